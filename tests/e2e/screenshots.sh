#!/usr/bin/env bash
# Pictures of every window of one program, as a user meets them, for the
# README: both layouts of the main window, the sound settings, About, the
# indicator, the action dialog, the tray menu and the alert.
# Usage: screenshots.sh linux|windows PROGRAM DOCS-FOLDER
set -uo pipefail
platform=$1
program=$(realpath "$2")
docs=$(realpath "$3")
here=$(dirname "$(realpath "$0")")
. "$here/desktop.sh"
if [ "$platform" = windows ]; then
  . "$here/wine.sh"
  wine_up xdotool wmctrl import
  wait_long=30
  settle=2.5  # Wine paints a new window a while after it maps it
else
  for tool in Xvfb icewm xdotool wmctrl import dbus-launch pulseaudio; do
    command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  desktop_up
  trap desktop_down EXIT
  wait_long=10
  settle=0.8
fi

shots=0
# shot NAME WINDOW: the window with its title bar, cut from the screen (a
# grab of Wine's window alone can come out black); `root` takes the screen.
shot() {
  sleep $settle
  local file=$docs/$platform-$1.png
  if [ "$2" = root ]; then
    import -window root "$file"
  else
    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$2")"
    local top=$(( Y > 24 ? 24 : Y )) side=$(( X > 4 ? 4 : X ))
    [ "$2" = "${indicator:-}" ] && top=0 side=0   # no frame
    import -window root -crop $((WIDTH + 2 * side))x$((HEIGHT + top + side))+$((X - side))+$((Y - top)) +repage "$file"
  fi
  [ -s "$file" ] && { shots=$((shots + 1)); echo "wrote $file"; }
}
# The main window's popup menu, then the keys that choose an entry; once
# more when window $1 does not show (Wine's menu may miss the first keys).
from_menu() {
  local title=$1; shift
  for _ in 1 2; do
    xdotool mousemove --window "$main" 3 3 click 3
    sleep 1
    xdotool key "$@"
    wait_window "$title" 5 && return 0
    xdotool key Escape Escape
  done
  return 1
}
close() { wmctrl -ic "$1"; sleep 0.5; }

# The alert first: a reminder for the minute now. Its close box is
# «Продолжить», which brings the main window back.
start_program
main=$(wait_window "Квирло 3.0" $wait_long) || { echo "FAIL the main window never showed"; exit 1; }
if [ "$platform" = windows ]; then
  # A new Wine process loses the first letter xdotool types from outside the
  # keyboard's map: one is typed into the empty field and taken back.
  xdotool windowactivate --sync "$main" >/dev/null 2>&1
  xdotool windowfocus --sync "$main" >/dev/null 2>&1
  click_on "$main" Form1 Text1 && xdotool type --delay 80 "ж" && sleep 0.5 && xdotool key BackSpace
fi
type_for_this_minute "$main" "Позвонить маме"
if alert=$(wait_window "Квирло" 20); then
  # Its caption blinks: of a few pictures, the largest is one that shows it.
  shot alert "$alert" && cp "$docs/$platform-alert.png" "$KV_TMP/alert.png"
  for _ in 1 2 3 4 5; do
    settle=0.07 shot alert "$alert" >/dev/null && shots=$((shots - 1))
    [ "$(stat -c %s "$docs/$platform-alert.png")" -gt "$(stat -c %s "$KV_TMP/alert.png")" ] &&
      cp "$docs/$platform-alert.png" "$KV_TMP/alert.png"
  done
  cp "$KV_TMP/alert.png" "$docs/$platform-alert.png"
  close "$alert"
fi
main=$(wait_window "Квирло 3.0" 10) || { echo "FAIL the main window never came back"; exit 1; }
# The program keeps the last reminder's text and time in its fields.
# Wine drops keys typed faster than a person types, and gives the window
# back its keyboard only once activated.
xdotool windowactivate --sync "$main" >/dev/null 2>&1
xdotool windowfocus --sync "$main" >/dev/null 2>&1
for field in Text1 Text2 Text3; do
  click_on "$main" Form1 $field
  xdotool key --delay 60 ctrl+End && xdotool key --delay 40 --repeat 20 BackSpace
done
shot main-compact "$main"
click_on "$main" Form1 Command3   # «Дополнительно»
shot main-extended "$main"
click_on "$main" Form1 Command3   # «Кратко»

sound=$(from_menu "Настройки звука" Down Down Right Down Down Return) &&   # Настройки > Звуковой сигнал
  { shot sound-settings "$sound"; close "$sound"; }
# О программе, the menu's first entry, by the mouse: Wine's menu may take no
# keys once another window of the program has closed.
xdotool mousemove --window "$main" 3 3 click 3
sleep 1
xdotool mousemove_relative 30 12 click 1
about=$(wait_window "О программе... Квирло 3.0" 5) && { shot about "$about"; close "$about"; }

type_reminder "$main" "Позвонить маме" 23 59
if indicator=$(wait_window "Form3" 5); then
  shot indicator "$indicator"
  # No task-bar button: the screen with the indicator on it shows the task bar.
  shot indicator-desktop root
  click_on "$indicator" Form3 Picture1   # its close box
  if dialog=$(wait_window "Квирло" 5); then
    shot action-dialog "$dialog"
    click_on "$dialog" Form4 Option1   # «Скрыть индикатор времени»
    click_on "$dialog" Form4 Command1  # «Ок»
  fi
fi
sleep 1
owner="--pid $pid"
[ "$platform" = windows ] && owner=
icon=$(for _ in $(seq 50); do xdotool search --onlyvisible $owner --name '^Kvirlo$' 2>/dev/null && break; sleep 0.1; done | head -1)
if [ -n "$icon" ]; then
  xdotool mousemove --window "$icon" 12 12 click 3
  shot tray-menu root
  convert "$docs/$platform-tray-menu.png" -gravity SouthEast -crop 480x200+0+0 +repage "$docs/$platform-tray-menu.png"
  xdotool key Escape
fi

echo "$platform: $shots pictures"
kill $pid 2>/dev/null
# Wine's desktop here has no notification area: no tray menu to picture.
[ $shots -ge 8 ]
