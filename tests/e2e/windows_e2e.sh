#!/usr/bin/env bash
# One reminder through the real kvirlo.exe under Wine, as a user meets it:
# type it, press «Пуск», find it in the registry, bring the main window back
# by starting the program again, close it, and find everything cleaned up.
# Then a reminder for the current minute opens the alert, and its file sounds
# over and over.
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
. "$here/desktop.sh"
. "$here/wine.sh"
wine_up xdotool wmctrl parec sox

config='HKCU\Software\Kvirlo\Config'
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings=$WINEPREFIX/drive_c/windows/Kvir_Config.ini
query() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r'; }
stored() { query "$config" /v "$1" | grep -q "REG_SZ *$2\$"; }
has_run_value() { query "$run" /v "Квирло 3.01" | grep -q 'kvirlo.exe'; }
no_run_value() { ! has_run_value; }
ended() { ! kill -0 "$1" 2>/dev/null; }
maps() { grep -qiE "/($1)\$" "/proc/$pid/maps"; }  # a file the program has mapped
maps_none() { ! maps "$1"; }

start_program "$KV_TMP/program.log"
main=$(wait_window "Квирло 3.0" 30) || { echo "FAIL the main window never showed"; exit 1; }
later=$(( ($(date +%-H) + 2) % 24 ))
type_reminder "$main" "Call mother" "$later" "05"

check "the indicator shows" window_shows "Form3" 10
indicator=$(wait_window "Form3" 1)
# Dragged by its heading, with the left button (the system's move loop) and
# with the right one (followed by the program).
for button in 1 3; do
  eval "$(xdotool getwindowgeometry --shell "$indicator")"
  x0=$X y0=$Y
  click_on "$indicator" Form3 Label1 mousedown $button
  sleep 0.3
  xdotool mousemove_relative --sync -- 150 100
  sleep 0.3
  xdotool mouseup $button
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$indicator")"
  check "a drag by button $button moves the indicator ($x0,$y0 -> $X,$Y)" test "$X" != "$x0" -o "$Y" != "$y0"
done
check "the main window hides" bash -c "! xdotool search --onlyvisible --name '^Квирло 3.0\$' | grep -q ."
check "the store says running" soon stored running ON
check "the store keeps the text" stored Text_Kvir "Call mother"
check "the store keeps the hour as typed" stored Hour_Kvir "$later"
check "the store keeps the minute as typed" stored Minute_Kvir 05
check "the Run value names kvirlo.exe" has_run_value
check "the settings file has 18 CR LF lines" test "$(grep -c $'\r$' "$settings")" = 18
check "the waiting program is seen mapped" maps "$(basename "$program")"
check "and maps neither MCI nor the common dialogs" maps_none 'winmm\.dll|comdlg32\.dll'

first=$pid
start_program
second=$pid pid=$first
check "starting it again brings the main window back" window_shows "Квирло 3.0" 15
check "the second copy ends" soon ended $second
wmctrl -F -c "Квирло 3.0"
for _ in $(seq 100); do ended $pid && break; sleep 0.1; done
check "closing the main window ends the program" ended $pid
check "the store says OFF" stored running OFF
check "the Run value is gone" no_run_value

# The current minute: the reminder is due at once, and its alarm, the default
# file (a short one of our own where Windows keeps its own), repeats.
mkdir -p "$WINEPREFIX/drive_c/windows/media"
sox -q -n -r 22050 -b 16 -c 1 "$WINEPREFIX/drive_c/windows/media/tada.wav" \
  synth 0.4 sine 1500 fade q 0.01 -0 0.1
start_program "$KV_TMP/program2.log"
main=$(wait_window "Квирло 3.0" 30)
check "it starts again (in ${SECONDS}s of the test)" test -n "$main"
type_for_this_minute "$main" "Now"
check "the alert opens for the current minute" window_shows "Квирло" 15 ||
  echo "     the windows there: $(wmctrl -l | cut -d' ' -f5- | tr '\n' '|')"
record "$KV_TMP/alarm.raw" 12
echo "RMS of each 3 s of the alarm:"
check "the alarm file is heard in every 3 s, again and again" heard_throughout "$KV_TMP/alarm.raw" 12
check "it is the file" not_the_tone "$KV_TMP/alarm.raw"
check "the program keeps running while it sounds" kill -0 $pid
check "the sound brought MCI" maps 'winmm\.dll'
# A click in the middle of «Продолжить», where the user sees it, closes the alert.
alert=$(wait_window "Квирло" 1)
click_on "$alert" Form2 Command2
alert_closed() { ! xdotool search --onlyvisible --name '^Квирло$' | grep -q .; }
check "a click in the middle of «Продолжить» closes the alert" soon alert_closed
wmctrl -F -c "Квирло 3.0"
for _ in $(seq 100); do ended $pid && break; sleep 0.1; done
check "closing the alert, then the main window, ends the program" ended $pid

[ $failures -eq 0 ] && echo "windows end-to-end: all passed" || echo "windows end-to-end: $failures failed"
exit $(( failures > 0 ))
