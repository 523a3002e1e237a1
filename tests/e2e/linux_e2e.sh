#!/usr/bin/env bash
# One reminder through the real Linux program, as a user meets it: type it,
# press «Пуск», let the clock reach the minute, hear the alarm, continue,
# close the main window, and find everything cleaned up.
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
for tool in Xvfb icewm xdotool wmctrl pulseaudio parec sox faketime xclip dbus-launch; do
  command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
. "$here/desktop.sh"
desktop_up
trap desktop_down EXIT

store=$XDG_CONFIG_HOME/Kvirlo/Kvirlo.ini
entry="$XDG_CONFIG_HOME/autostart/Квирло 3.01.desktop"
settings=$XDG_DATA_HOME/kvirlo/Kvir_Config.ini

start_program "$KV_TMP/program.log" "2026-12-08 18:04:40"
main=$(wait_window "Квирло 3.0" 15) || { echo "FAIL the main window never showed"; exit 1; }
xdotool windowactivate --sync "$main" >/dev/null 2>&1
click_on "$main" Form1 Text1
xdotool type --delay 80 "Позвонить маме"  # xdotool remaps a key per Cyrillic letter: not too fast
click_on "$main" Form1 Text2
xdotool type --delay 60 "18"
click_on "$main" Form1 Text3
xdotool type --delay 60 "05"
click_on "$main" Form1 Command1

check "the indicator shows" window_shows "Form3" 5
check "the main window hides" bash -c "! xdotool search --onlyvisible --name '^Квирло 3.0\$' | grep -q ."
check "the store says running" soon grep -q '^running=ON' "$store"
check "the store keeps the minute as typed" soon grep -q '^Minute_Kvir=05' "$store"
check "the autostart entry names the program" soon grep -q "^Exec=\"$program\"" "$entry"
check "the default chime is in place" test -s "$XDG_DATA_HOME/kvirlo/media/tada.wav"

parec -d t.monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=20 \
  >"$KV_TMP/sound.raw" 2>/dev/null &
recorder=$!
alert=$(wait_window "Квирло" 30)
check "the alert opens at 18:05" test -n "$alert"
sleep 3
kill -INT $recorder; wait $recorder 2>/dev/null
heard=$(rms "$KV_TMP/sound.raw")
check "the alarm is heard (RMS $heard)" awk "BEGIN { exit !(${heard:-0} > 0.001) }" || {
  record "$KV_TMP/later.raw" 5  # late, or never: which, and why
  echo "     5 s later: RMS $(rms "$KV_TMP/later.raw"); sound processes: $(pgrep -P $pid -l | tr '\n' ' ')"
}

if [ -n "$alert" ]; then
  click_on "$alert" Form2 Text1
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.3
  text=$(xclip -o -selection clipboard 2>/dev/null)
  check "the alert says «Напоминаю: Позвонить маме»" test "$text" = "Напоминаю: Позвонить маме"
  click_on "$alert" Form2 Command2
fi
check "«Продолжить» brings the main window back" window_shows "Квирло 3.0" 5
wmctrl -F -c "Квирло 3.0"
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
check "closing the main window ends the program" bash -c "! kill -0 $pid 2>/dev/null"
check "the store says OFF" soon grep -q '^running=OFF' "$store"
check "the autostart entry is gone" soon test ! -e "$entry"
check "the settings file is complete" test "$(grep -c $'\r$' "$settings")" = 18
check "the reminder's texts are kept" grep -q '^Text_Kvir=Позвонить маме' "$store"

kill $pid 2>/dev/null

# A sound file that is no sound: the alarm must still be heard, as the tone.
export HOME=$KV_TMP/home2 XDG_CONFIG_HOME=$KV_TMP/home2/.config XDG_DATA_HOME=$KV_TMP/home2/.local/share
mkdir -p "$XDG_DATA_HOME/kvirlo"
echo "not a sound" >"$XDG_DATA_HOME/kvirlo/notes.txt"
printf ' 14737632 \r\n 16777215 \r\n%s\r\n-1 \r\n 0 \r\n 0 \r\nSoundCard\r\n 670 \r\n 670 \r\n' \
  "$XDG_DATA_HOME/kvirlo/notes.txt" >"$XDG_DATA_HOME/kvirlo/Kvir_Config.ini"
start_program "$KV_TMP/program2.log"
main=$(wait_window "Квирло 3.0" 15)
xdotool windowactivate --sync "$main" >/dev/null 2>&1
click_on "$main" Form1 Text1; xdotool type --delay 80 "Тон"
click_on "$main" Form1 Text2; xdotool type --delay 60 "00"
click_on "$main" Form1 Text3; xdotool type --delay 60 "00"
parec -d t.monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=20 \
  >"$KV_TMP/sound2.raw" 2>/dev/null &
recorder=$!
click_on "$main" Form1 Command1
check "the second reminder starts" soon grep -q '^running=ON' "$XDG_CONFIG_HOME/Kvirlo/Kvirlo.ini"
alert=$(wait_window "Квирло" 15)
sleep 3.5
kill -INT $recorder; wait $recorder 2>/dev/null
heard=$(rms "$KV_TMP/sound2.raw")
check "a file that is no sound gives way to the tone (RMS $heard)" awk "BEGIN { exit !(${heard:-0} > 0.001) }"
[ -n "$alert" ] && click_on "$alert" Form2 Command1   # «Выход»
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
check "«Выход» ends the program" bash -c "! kill -0 $pid 2>/dev/null"
kill $pid 2>/dev/null

if [ $failures -gt 0 ]; then
  echo "--- program output"; cat "$KV_TMP/program.log" "$KV_TMP/program2.log" 2>/dev/null
  exit 1
fi
echo "end-to-end: all checks passed"
