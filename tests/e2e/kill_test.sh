#!/usr/bin/env bash
# The real Linux program killed (SIGKILL) at random moments while it starts
# a reminder and saves its settings: the settings file is always a whole
# file. Then killed while a reminder waits: the next start resumes it.
# Usage: kill_test.sh PROGRAM [KILLS]
set -uo pipefail
program=$(realpath "$1")
kills=${2:-200}
here=$(dirname "$(realpath "$0")")
for tool in Xvfb icewm xdotool dbus-launch pulseaudio; do
  command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
. "$here/desktop.sh"
desktop_up
trap desktop_down EXIT

store=$XDG_CONFIG_HOME/Kvirlo/Kvirlo.ini
settings=$XDG_DATA_HOME/kvirlo/Kvir_Config.ini
pending() {
  mkdir -p "$(dirname "$store")"
  printf '[Config]\nrunning=ON\nText_Kvir=Не забыть\nHour_Kvir=23\nMinute_Kvir=59\n' >"$store"
}
whole() {  # absent before the first save, else 18 lines each ending in CR LF
  [ ! -e "$settings" ] || [ "$(grep -c $'\r$' "$settings")" = 18 -a "$(wc -l <"$settings")" = 18 ]
}

cut=0 saved=0
for i in $(seq "$kills"); do
  pending
  start_program
  sleep "0.$(printf '%03d' $((RANDOM % 400)))"
  kill -KILL $pid; wait $pid 2>/dev/null
  if whole; then [ -e "$settings" ] && saved=$((saved + 1)); else cut=$((cut + 1)); cp "$settings" "$KV_TMP/cut-$i"; fi
done
echo "kills: $kills, settings file whole after every one ($saved after a save), cut or empty: $cut"

pending
start_program
indicator=$(wait_window "Form3" 10)
kill -KILL $pid; wait $pid 2>/dev/null
start_program
resumed=$(wait_window "Form3" 10)
running=$(grep -c '^running=ON' "$store")
kill -TERM $pid; wait $pid 2>/dev/null
echo "killed while waiting: indicator ${indicator:+shown}, after the next start ${resumed:+resumed}, store running=ON: $running"
[ $cut -eq 0 ] && [ -n "$indicator" ] && [ -n "$resumed" ] && [ "$running" = 1 ] && grep -q '^running=OFF' "$store"
