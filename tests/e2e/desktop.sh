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

# Clicks at twips ($2, $3) within window $1's client area (15 twips a pixel).
click_at() {
  xdotool mousemove --window "$1" $(( $2 / 15 )) $(( $3 / 15 )) click 1
}

# Types a reminder into the main window $1 like a user: text $2, hour $3,
# minute $4; with $5 = tray the indicator box is cleared first. Then «Пуск».
type_reminder() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1
  xdotool windowfocus --sync "$1" >/dev/null 2>&1  # Wine windows take the focus only so
  click_at "$1" 3000 600; xdotool type --delay 80 "$2"
  click_at "$1" 420 1700; xdotool type --delay 60 "$3"
  click_at "$1" 1260 1700; xdotool type --delay 60 "$4"
  [ "${5:-}" = tray ] && click_at "$1" 2300 1680
  click_at "$1" 800 2140
}

# A test's checks: each prints ok or FAIL and counts the failures.
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
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
