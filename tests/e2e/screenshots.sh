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
  launch() { "$wine" "$program" >/dev/null 2>&1 & pid=$!; }
  wait_long=30
else
  for tool in Xvfb icewm xdotool wmctrl import dbus-launch pulseaudio; do
    command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  desktop_up
  trap desktop_down EXIT
  launch() { "$program" >/dev/null 2>&1 & pid=$!; }
  wait_long=10
fi

shots=0
# shot NAME WINDOW: the window with its title bar; `root` takes the screen.
shot() {
  sleep 0.8
  local file=$docs/$platform-$1.png
  if [ "$2" = root ]; then import -window root "$file"; else import -frame -window "$2" "$file"; fi
  [ -s "$file" ] && { shots=$((shots + 1)); echo "wrote $file"; }
}
# The main window's popup menu, then the keys that choose an entry.
main_menu() {
  xdotool mousemove --window "$main" 3 3 click 3
  sleep 0.7
  xdotool key "$@"
}
close() { wmctrl -ic "$1"; sleep 0.5; }

launch
main=$(wait_window "Квирло 3.0" $wait_long) || { echo "FAIL the main window never showed"; exit 1; }
shot main-compact "$main"
click_at "$main" 6330 2150   # «Дополнительно»
shot main-extended "$main"
click_at "$main" 6330 2150   # «Кратко»

main_menu Down Down Right Down Down Return   # Настройки > Звуковой сигнал
sound=$(wait_window "Настройки звука" 5) && { shot sound-settings "$sound"; close "$sound"; }
main_menu Down Return   # О программе
about=$(wait_window "О программе... Квирло 3.0" 5) && { shot about "$about"; close "$about"; }

type_reminder "$main" "Позвонить маме" 23 59
if indicator=$(wait_window "Form3" 5); then
  shot indicator "$indicator"
  # No task-bar button: the screen with the indicator on it shows the task bar.
  shot indicator-desktop root
  click_at "$indicator" 1320 360   # its close box
  if dialog=$(wait_window "Квирло" 5); then
    shot action-dialog "$dialog"
    click_at "$dialog" 600 600     # «Скрыть индикатор времени»
    click_at "$dialog" 900 1440    # «Ок»
  fi
fi
sleep 1
icon=$(for _ in $(seq 50); do xdotool search --onlyvisible --name '^Kvirlo$' 2>/dev/null && break; sleep 0.1; done | head -1)
if [ -n "$icon" ]; then
  xdotool mousemove --window "$icon" 12 12 click 3
  shot tray-menu root
  xdotool key Escape
fi

# The alert: a reminder for the minute now, in a fresh run.
kill $pid 2>/dev/null
[ "$platform" = windows ] && /usr/lib/wine/wineserver -k 2>/dev/null
sleep 1
export HOME=$KV_TMP/home2 XDG_CONFIG_HOME=$KV_TMP/home2/.config XDG_DATA_HOME=$KV_TMP/home2/.local/share
mkdir -p "$HOME"
launch
main=$(wait_window "Квирло 3.0" $wait_long) && type_reminder "$main" "Позвонить маме" "$(date +%-H)" "$(date +%-M)"
alert=$(wait_window "Квирло" 10) && shot alert "$alert"
echo "$platform: $shots pictures"
kill $pid 2>/dev/null
[ $shots -ge 8 ]
