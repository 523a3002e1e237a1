#!/usr/bin/env bash
# The alarm as a user hears it, for as long as it lasts: the alert left open
# for a minute with the default chime (a WAV), the sound settings window left
# open for half a minute, and the alert with an MP3 file. Sound must be there
# in every 3-second stretch of each recording, and gone once the window closes.
# Usage: alarm_test.sh PROGRAM
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
for tool in Xvfb icewm xdotool wmctrl pulseaudio parec sox faketime dbus-launch; do
  command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
sox -h 2>/dev/null | grep -q 'FILE FORMATS:.* mp3' || { echo "skipped: sox cannot write MP3"; exit 77; }
. "$here/desktop.sh"
desktop_up
trap desktop_down EXIT

# A fresh account for each case.
account() {
  export HOME=$KV_TMP/$1 XDG_CONFIG_HOME=$KV_TMP/$1/.config XDG_DATA_HOME=$KV_TMP/$1/.local/share
  mkdir -p "$XDG_DATA_HOME/kvirlo"
}
stop_program() { kill $1 2>/dev/null; wait $1 2>/dev/null; }

# 1. The default chime, the alert left open for a minute. The clock runs from
# 18:04:50 for a reminder at 18:05, as the user's own would.
account wav
start_program "$KV_TMP/wav.log" "2026-12-08 18:04:50"
main=$(wait_window "Квирло 3.0" 15) && type_reminder "$main" "Чайник" 18 05
alert=$(wait_window "Квирло" 30)
check "the alert opens at 18:05" test -n "$alert"
record "$KV_TMP/alert.raw" 60
echo "RMS of each 3 s of the alert's minute:"
check "the chime is heard in every 3 s of a minute" heard_throughout "$KV_TMP/alert.raw" 60
check "it is the chime" not_the_tone "$KV_TMP/alert.raw"
# Its sound process killed, as by a crash: the alarm goes on.
pkill -KILL -P $pid -x kvirlo-sound
sleep 0.5
record "$KV_TMP/revived.raw" 2
r=$(rms "$KV_TMP/revived.raw")
check "the chime goes on after its sound process is killed (RMS ${r:-none})" \
  awk "BEGIN { exit !(${r:-0} > 0.01) }"
if [ -n "$alert" ]; then
  click_on "$alert" Form2 Command2   # «Продолжить»
  sleep 0.5
  record "$KV_TMP/after-alert.raw" 1
  check "«Продолжить» stops the alarm" silent "$KV_TMP/after-alert.raw"
fi
stop_program $pid

# 2. The sound settings window left open: the file plays on while the user
# sets the volume by ear.
account settings
start_program "$KV_TMP/settings.log"
main=$(wait_window "Квирло 3.0" 15)
xdotool windowactivate --sync "$main" >/dev/null 2>&1
# The menu from the bare frame beside «Пуск»: Настройки ▸ Звуковой сигнал.
click_at "$main" Form1 1700 2250 click 3
sleep 0.7
xdotool key Down Down Right Down Down Return
player=$(wait_window "Настройки звука" 10)
check "the sound settings window opens" test -n "$player"
record "$KV_TMP/settings.raw" 30
echo "RMS of each 3 s of the sound settings window's half minute:"
check "its file is heard in every 3 s of half a minute" heard_throughout "$KV_TMP/settings.raw" 30
# The volume slider to its left end while the file plays: heard at once.
[ -n "$player" ] && { click_on "$player" Player Slider1; xdotool key Home; }
sleep 0.5
record "$KV_TMP/quiet.raw" 1.5
quiet=$(rms "$KV_TMP/quiet.raw")
check "the lowest volume is heard at once (RMS ${quiet:-none})" \
  awk "BEGIN { exit !(${quiet:-0} > 0 && ${quiet:-0} < 0.01) }"
wmctrl -F -c "Настройки звука" || [ -z "$player" ] || {  # a window manager that does not answer: by key
  echo "     the window manager did not answer: the window is closed by Esc"
  xdotool windowfocus --sync "$player"; xdotool key Escape
}
sleep 0.5
record "$KV_TMP/after-settings.raw" 1
check "closing it stops the sound" silent "$KV_TMP/after-settings.raw"
stop_program $pid

# 3. An MP3 file of our own, shorter than a stretch, for the alert: a reminder
# for 00:00 is due at once.
account mp3
mp3=$XDG_DATA_HOME/kvirlo/двойной.mp3
sox -q -n -r 44100 -c 1 "$mp3" synth 0.25 sine 1500 : synth 0.25 sine 1200 fade q 0.01 -0 0.1 gain -3
printf ' 14737632 \r\n 16777215 \r\n%s\r\n-600 \r\n 0 \r\n 0 \r\nSoundCard\r\n 670 \r\n 670 \r\n' \
  "$mp3" >"$XDG_DATA_HOME/kvirlo/Kvir_Config.ini"
start_program "$KV_TMP/mp3.log"
main=$(wait_window "Квирло 3.0" 15) && type_reminder "$main" "MP3" 00 00
alert=$(wait_window "Квирло" 15)
check "the alert opens" test -n "$alert"
record "$KV_TMP/mp3.raw" 30
echo "RMS of each 3 s of the MP3 alert's half minute:"
check "the MP3 is heard in every 3 s of half a minute" heard_throughout "$KV_TMP/mp3.raw" 30
check "it is the MP3" not_the_tone "$KV_TMP/mp3.raw"
stop_program $pid

# 4. The sound helper ends cleanly when the program lets go of it after a tone
# (it used to free the tone's buffer before the sink that read it).
helper_ends() {
  for _ in 1 2 3 4; do
    (echo "tone 440 300"; sleep 0.8) | "$(dirname "$program")/kvirlo-sound" || return 1
  done
}
check "the sound helper ends cleanly after a tone" helper_ends

if [ $failures -gt 0 ]; then
  echo "--- program output"; cat "$KV_TMP"/*.log 2>/dev/null
  exit 1
fi
echo "alarm: all checks passed"
