#!/usr/bin/env bash
# What only a real desktop shows: the tray icon and its menu (a right click
# only), the indicator above or below the other windows, the drag by a label.
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
for tool in Xvfb icewm xdotool xprop dbus-launch pulseaudio; do
  command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
. "$here/desktop.sh"
desktop_up
trap desktop_down EXIT
screen_reader_up || echo "note: no AT-SPI here; the count is not read"
count_reads() {  # the indicator's count, read the moment it shows: its name and its label
  [ -z "${KV_ATSPI:-}" ] || reads "До напоминания $1" "$1"
}
state_of() { xprop -id "$1" _NET_WM_STATE 2>/dev/null; }

start_reminder() {  # start_reminder [tray]: a reminder for 23:59, typed
  main=$(wait_window "Квирло 3.0" 10) || return 1
  type_reminder "$main" "x" 23 59 "${1:-}"
}

# The indicator: on top, then at the bottom, then dragged by its text.
start_program /dev/null "2026-12-08 10:00:00"
start_reminder
indicator=$(wait_window "Form3" 5)
check "right after «Пуск» the indicator counts 839 minutes" count_reads "839 Мин."
check "the indicator stays above the other windows" soon bash -c "xprop -id $indicator _NET_WM_STATE | grep -q ABOVE"
eval "$(xdotool getwindowgeometry --shell "$indicator")"
x0=$X y0=$Y
click_on "$indicator" Form3 Label1 mousedown 3
xdotool mousemove_relative --sync -- -200 150
sleep 0.3
xdotool mouseup 3
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$indicator")"
check "a right-button drag on the heading moves the indicator ($x0,$y0 -> $X,$Y)" test "$X" != "$x0" -o "$Y" != "$y0"
kill $pid; sleep 0.5

export HOME=$KV_TMP/home2 XDG_CONFIG_HOME=$KV_TMP/home2/.config XDG_DATA_HOME=$KV_TMP/home2/.local/share
start_program /dev/null "2026-12-08 10:00:00"
main=$(wait_window "Квирло 3.0" 10)
click_on "$main" Form1 Check2   # "Индикатор поверх остальных окон." cleared
start_reminder
indicator=$(wait_window "Form3" 5)
check "without «поверх» the indicator lies below the other windows" soon bash -c "xprop -id $indicator _NET_WM_STATE | grep -q BELOW"
kill $pid; sleep 0.5

# The tray: the icon, a left click that opens nothing, the menu on a right click.
export HOME=$KV_TMP/home3 XDG_CONFIG_HOME=$KV_TMP/home3/.config XDG_DATA_HOME=$KV_TMP/home3/.local/share
start_program /dev/null "2026-12-08 10:00:00"
start_reminder tray
icon=$(for _ in $(seq 50); do xdotool search --onlyvisible --pid $pid --name '^Kvirlo$' && break; sleep 0.1; done | head -1)
check "a tray icon shows instead of the indicator" test -n "$icon"
check "no indicator" bash -c "! xdotool search --onlyvisible --name '^Form3\$' | grep -q ."
if [ -n "$icon" ]; then
  windows() { xdotool search --onlyvisible --pid $pid 2>/dev/null | wc -l; }
  before=$(windows)
  xdotool mousemove --window "$icon" 12 12 click 1
  sleep 0.7
  check "a left click opens nothing" test "$(windows)" = "$before"
  xdotool mousemove --window "$icon" 12 12 click 3
  more_windows() { [ "$(windows)" -gt "$before" ]; }
  check "a right click opens the menu" soon more_windows
  xdotool key Down Down Down Return   # «Время»: the third entry, past the separator
  check "«Время» in the tray menu shows the indicator" window_shows "Form3" 5
  check "with the count right at once" count_reads "839 Мин."
fi
kill $pid
[ $failures -eq 0 ] && echo "desktop: all checks passed"
exit $((failures > 0))
