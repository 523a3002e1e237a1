#!/usr/bin/env bash
# kvirlo.exe under Wine killed (SIGKILL) at random moments while it resumes
# a pending reminder and saves its settings: the settings file is always a
# whole file. Then killed while the reminder waits: the next start resumes it.
# Usage: windows_kill_test.sh PROGRAM.exe [KILLS]
set -uo pipefail
program=$(realpath "$1")
kills=${2:-40}
here=$(dirname "$(realpath "$0")")
. "$here/desktop.sh"
. "$here/wine.sh"
wine_up xdotool wmctrl

config='HKCU\Software\Kvirlo\Config'
settings=$WINEPREFIX/drive_c/windows/Kvir_Config.ini
set_value() { "$wine" reg add "$config" /v "$1" /d "$2" /f >/dev/null 2>&1; }
stored() { "$wine" reg query "$config" /v "$1" 2>/dev/null | tr -d '\r' | grep -q "REG_SZ *$2\$"; }
whole() {  # absent before the first save, else 18 lines each ending in CR LF
  [ ! -e "$settings" ] || [ "$(grep -c $'\r$' "$settings")" = 18 -a "$(wc -l <"$settings")" = 18 ]
}
# A reminder left pending, as a crash leaves it; every start resumes and saves.
set_value running ON; set_value Text_Kvir "Do not forget"; set_value Hour_Kvir 23; set_value Minute_Kvir 59

cut=0 saved=0
for i in $(seq "$kills"); do
  start_program
  sleep "$((RANDOM % 2)).$(printf '%03d' $((RANDOM % 1000)))"
  kill -KILL $pid 2>/dev/null; wait $pid 2>/dev/null
  if whole; then [ -e "$settings" ] && saved=$((saved + 1)); else cut=$((cut + 1)); cp "$settings" "$KV_TMP/cut-$i"; fi
done
echo "kills: $kills, settings file whole after every one ($saved after a save), cut or empty: $cut"

start_program
indicator=$(wait_window "Form3" 30)
kill -KILL $pid; wait $pid 2>/dev/null
start_program
resumed=$(wait_window "Form3" 30)
stored running ON && running=ON || running=
echo "killed while waiting: indicator ${indicator:+shown}, after the next start ${resumed:+resumed}, store running=${running:-not ON}"

# A second start brings the main window; closing it ends the program cleanly.
resumed_pid=$pid
start_program
pid=$resumed_pid
window_shows "Квирло 3.0" 20 && wmctrl -F -c "Квирло 3.0"
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
[ $cut -eq 0 ] && [ -n "$indicator" ] && [ -n "$resumed" ] && [ "$running" = ON ] && stored running OFF
