# A private desktop for the tests of the real program: an X server, a window
# manager with a tray, a session bus and a sound server with a null sink
# whose monitor can be recorded. Source it; call desktop_up, then desktop_down.

desktop_up() {
  export KV_TMP=$(mktemp -d /tmp/kvirlo-desktop.XXXXXX)
  export HOME=$KV_TMP/home XDG_RUNTIME_DIR=$KV_TMP/run
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER
  # xdotool types Cyrillic only in a UTF-8 character type, which a freshly
  # installed system without LANG does not have.
  [ "$(locale charmap 2>/dev/null)" = UTF-8 ] || { unset LC_ALL; export LC_CTYPE=C.UTF-8; }

  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$KV_TMP/display" >/dev/null 2>&1 &
  KV_XVFB=$!
  for _ in $(seq 100); do [ -s "$KV_TMP/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$KV_TMP/display")
  eval "$(dbus-launch --sh-syntax)"
  KV_DBUS=$DBUS_SESSION_BUS_PID
  icewm >/dev/null 2>&1 &
  KV_WM=$!
  sound_up
  sleep 1
}

# A sound server of the test's own whose null sink "t" can be recorded; its
# pid in KV_PULSE.
sound_up() {
  pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=t" --load=module-native-protocol-unix >/dev/null 2>&1 &
  KV_PULSE=$!
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl set-default-sink t
}

# The accessibility bus, for tests that read the windows as a screen reader
# does (screen_reader.py); Qt then offers its windows on it.
screen_reader_up() {
  [ -x /usr/libexec/at-spi-bus-launcher ] && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || return 1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  KV_ATSPI=$!
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  sleep 0.5
}

# What the screen reader reads in window $1 as the name of a label: true when
# one of them is exactly $2. Read at once: a count must be right when it shows.
reads() {
  local names
  for _ in $(seq 20); do  # the window's tree comes a moment after the window
    names=$(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py" "$1" 2>/dev/null)
    [ -n "$names" ] && break
    sleep 0.1
  done
  printf '%s\n' "$names" | cut -f3 | grep -qxF -- "$2"
}

# A panel that hosts tray icons over D-Bus and shows their menus itself
# (panel.py), on the session bus; the icons that register are listed in
# $KV_TMP/icons. Start it before the program: Qt looks for it once.
panel_up() {
  /usr/bin/python3 -c 'from gi.repository import Gio' 2>/dev/null || return 1
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/panel.py" watch >"$KV_TMP/icons" &
  KV_PANEL=$!
  soon bash -c "dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q true"
}

desktop_down() {
  kill ${KV_ATSPI:-} ${KV_PANEL:-} $KV_WM $KV_PULSE $KV_DBUS $KV_XVFB 2>/dev/null
  wait $KV_WM $KV_PULSE $KV_XVFB 2>/dev/null
  rm -rf "$KV_TMP"
}

# Waits up to $2 seconds for a window whose whole title is $1; prints its id.
wait_window() {
  local id
  for _ in $(seq $(( ${2:-10} * 10 ))); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# The same, quietly: true when the window shows within $2 seconds.
window_shows() { wait_window "$@" >/dev/null; }

# The program under test, $program, as the scripts start it: start_program
# [LOG [CLOCK]] starts it in the background, its output to LOG, on a clock
# that runs from CLOCK ("2026-12-08 18:04:40") when given; its process id
# (the program's own, no wrapper's) goes to $pid. Through Wine where wine.sh
# sets KV_LAUNCHER.
start_program() {
  local clock=()
  [ -n "${2:-}" ] && clock=(DONT_FAKE_MONOTONIC=1 FAKETIME="@$2"
    LD_PRELOAD="$(find /usr/lib -maxdepth 3 -name libfaketime.so.1 2>/dev/null | head -1)")
  env "${clock[@]}" ${KV_LAUNCHER:-} "$program" >"${1:-/dev/null}" 2>&1 &
  pid=$!
}
# The exit status of the program started last; it is ended after $1 seconds.
status_within() {
  for _ in $(seq $(( $1 * 10 ))); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill $pid 2>/dev/null
  wait $pid
}

# Where a user clicks control $2 of the program's window $1 (Form1, Player
# ...), "X Y" in twips; with $2 = - the size of the window's inside. Read
# from the program's own models by kvirlo_control_layout, once a desktop.
layout_of() {
  if [ ! -s "$KV_TMP/layout" ]; then
    local tool=${KVIRLO_LAYOUT:-$(dirname "${program:-.}")/tests/kvirlo_control_layout}
    [[ ${program:-} == *.exe && $tool != *.exe ]] && tool=$tool.exe
    ${KV_LAUNCHER:-} "$tool" 2>/dev/null | tr -d '\r' >"$KV_TMP/layout.new" && mv "$KV_TMP/layout.new" "$KV_TMP/layout"
  fi
  awk -v w="$1" -v c="$2" '$1 == w && $2 == c { print $3, $4; found = 1 } END { exit !found }' "$KV_TMP/layout"
}
# click_at WINDOW FORM X Y [ACTION...]: xdotool's ACTION ("click 1" unless
# given; "mousedown 3" ...) at twips (X, Y) within the inside of WINDOW, an
# X window showing FORM, at the view's scale: the window's width in pixels
# over its inside's in twips.
click_at() {
  local inside at WIDTH HEIGHT X Y SCREEN WINDOW
  inside=$(layout_of "$2" -) || { echo "no window $2 in the layout" >&2; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$1")"
  at=$(awk -v x="$3" -v y="$4" -v px="$WIDTH" -v twips="${inside% *}" \
    'BEGIN { printf "%d %d", x * px / twips, y * px / twips }')
  (( ${at% *} < WIDTH && ${at#* } < HEIGHT )) ||
    { echo "($3, $4) lies outside $2 as it shows now (${WIDTH}x$HEIGHT)" >&2; return 1; }
  local window=$1; shift 4
  [ $# -gt 0 ] || set -- click 1
  xdotool mousemove --window "$window" $at "$@"
}
# click_on WINDOW FORM CONTROL [ACTION...]: the same where a user clicks the
# control of that name (Command1, Text2 ...).
click_on() {
  local at
  at=$(layout_of "$2" "$3") || { echo "no control $3 in $2" >&2; return 1; }
  click_at "$1" "$2" $at "${@:4}"
}

# Types a reminder into the main window $1 like a user: text $2, hour $3,
# minute $4; with $5 = tray the indicator box is cleared first. Then «Пуск».
type_reminder() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1
  xdotool windowfocus --sync "$1" >/dev/null 2>&1  # Wine windows take the focus only so
  click_on "$1" Form1 Text1; xdotool type --delay 80 "$2"
  click_on "$1" Form1 Text2; xdotool type --delay 60 "$3"
  click_on "$1" Form1 Text3; xdotool type --delay 60 "$4"
  [ "${5:-}" = tray ] && click_on "$1" Form1 Check1
  click_on "$1" Form1 Command1
}

# A reminder for the minute it is typed in, so that it is due at once: late
# in a minute, the next one is waited for, lest it be gone by «Пуск».
type_for_this_minute() {  # WINDOW TEXT
  local s=$((10#$(date +%S)))
  [ $s -gt 50 ] && sleep $((61 - s))
  type_reminder "$1" "$2" "$(date +%-H)" "$(date +%-M)"
}

# A test's checks: each prints ok or FAIL and counts the failures.
failures=0
check() {  # check DESCRIPTION COMMAND...: false, and counted, when it fails
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); return 1; fi
}
soon() {  # soon COMMAND...: true once COMMAND holds, within five seconds
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Hearing the alarm. record FILE SECONDS: the null sink's monitor, for that long.
record() {
  parec -d t.monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=20 >"$1" 2>/dev/null &
  local recorder=$!
  sleep "$2"
  kill -INT $recorder; wait $recorder 2>/dev/null
}
rms() {  # rms FILE [START LENGTH]: the RMS amplitude, of a stretch when given
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n ${2:+trim "$2" "$3"} stat 2>&1 |
    awk '/RMS +amplitude/ {print $3}'
}
# True when every 3-second stretch of recording $1 ($2 seconds) has sound;
# prints each stretch's RMS.
heard_throughout() {
  local quiet=0 r
  for ((s = 0; s + 3 <= $2; s += 3)); do
    r=$(rms "$1" $s 3)
    printf ' %s' "${r:-none}"
    awk "BEGIN { exit !(${r:-0} > 0.01) }" || quiet=$((quiet + 1))
  done
  echo
  [ $quiet -eq 0 ]
}
# The file, not the tone that stands in for a file that is no sound (670 Hz):
# the rough frequency of the recording's left channel lies well above the tone's.
not_the_tone() {
  local hz
  hz=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n remix 1 stat 2>&1 |
       awk '/Rough +frequency/ {print $3}')
  echo "rough frequency ${hz:-none} Hz"
  [ "${hz:-0}" -gt 900 ]
}
silent() { awk "BEGIN { exit !($(rms "$1") == 0) }"; }
