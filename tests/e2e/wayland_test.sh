#!/usr/bin/env bash
# The program under a real Wayland compositor (weston, headless), natively
# and on Xwayland: it says once what native Wayland cannot do, a resumed
# reminder's alert opens at its minute and is heard, natively a desktop
# notification says it too, and a second start ends with status 0.
# Pictures of both sessions go to $KVIRLO_SHOTS when it is set.
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
. "$here/desktop.sh"
export KV_TMP=$(mktemp -d /tmp/kvirlo-wayland.XXXXXX)
export HOME=$KV_TMP/home XDG_RUNTIME_DIR=$KV_TMP/run
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER
eval "$(dbus-launch --sh-syntax)"
sound_up
/usr/bin/python3 "$here/notifications.py" "$KV_TMP/notices" &
notices=$!
weston_pid=""
down() {
  kill $weston_pid $notices $KV_PULSE $DBUS_SESSION_BUS_PID 2>/dev/null
  wait $weston_pid $KV_PULSE 2>/dev/null
  rm -rf "$KV_TMP"
}
trap down EXIT

store=$XDG_CONFIG_HOME/Kvirlo/Kvirlo.ini
session() {  # session NAME [--xwayland]: the compositor, the program, the alert
  local name=$1; shift
  rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"; : >"$KV_TMP/notices"
  weston --backend=headless-backend.so --use-pixman --socket=kv-$name --width=1024 --height=768 --idle-time=0 \
    --debug "$@" >"$KV_TMP/weston-$name.log" 2>&1 &
  weston_pid=$!
  export WAYLAND_DISPLAY=kv-$name
  for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/kv-$name" ] && break; sleep 0.1; done
  unset DISPLAY
  if [ "${1:-}" = --xwayland ]; then
    for _ in $(seq 50); do grep -q "xserver listening on display" "$KV_TMP/weston-$name.log" && break; sleep 0.1; done
    export DISPLAY=$(grep -o "xserver listening on display :[0-9]*" "$KV_TMP/weston-$name.log" | grep -o ":[0-9]*")
  fi
  mkdir -p "$(dirname "$store")"
  printf '[Config]\nrunning=ON\nText_Kvir=Не забыть\nHour_Kvir=10\nMinute_Kvir=1\n' >"$store"
  LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="@2026-12-08 10:00:54" \
    DONT_FAKE_MONOTONIC=1 "$program" >"$KV_TMP/out-$name" 2>&1 &
  local pid=$! started=$SECONDS
  sleep 3
  timeout 20 "$program" >/dev/null 2>&1
  local second=$?
  check "$name: a second start ends with status $second" test $second = 0
  while [ $((SECONDS - started)) -lt 8 ]; do sleep 0.2; done  # the alert is due 6 s after the start
  record "$KV_TMP/alarm.raw" 6
  check "$name: the alarm of the resumed reminder is heard at its minute" heard_throughout "$KV_TMP/alarm.raw" 6
  if [ -n "${KVIRLO_SHOTS:-}" ]; then (cd "$KV_TMP" && timeout 10 weston-screenshooter >/dev/null 2>&1) && \
    mv "$KV_TMP"/wayland-screenshot*.png "$KVIRLO_SHOTS/linux-$name.png" 2>/dev/null; fi
  says() { [ "$(grep -c "native Wayland" "$KV_TMP/out-$name")" = "$1" ]; }
  if [ -n "${DISPLAY:-}" ]; then
    check "$name: on Xwayland nothing said of native Wayland" says 0
    check "$name: no desktop notification" test ! -s "$KV_TMP/notices"
  else
    check "$name: says once what native Wayland cannot do" says 1
    check "$name: the notification reaches the desktop, critical" soon grep -qP "\tНапоминаю: Не забыть\t2\tdefault" "$KV_TMP/notices"
  fi
  kill $pid; wait $pid 2>/dev/null
  kill $weston_pid; wait $weston_pid 2>/dev/null
}
session native
session xwayland --xwayland
[ $failures -eq 0 ] && echo "wayland: all checks passed"
exit $((failures > 0))
