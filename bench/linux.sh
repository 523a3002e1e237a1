#!/usr/bin/env bash
# Measures the Linux program beside two references built here: a bare Qt
# window (the floor of any Qt program) and the classic polling loop (the
# clock read every 10 ms, a label refreshed every second). Prints one line a
# figure. Usage: bench/linux.sh BUILD_DIR [SECONDS_OF_WAITING]
set -uo pipefail
build=$(realpath "${1:-build/linux}")
window=${2:-120}
root=$(dirname "$(realpath "$0")")/..
program=$build/kvirlo
. "$root/tests/e2e/desktop.sh"

refs=$build/bench
mkdir -p "$refs"
for ref in bare_window polling_loop; do
  g++ -O2 -std=c++20 -fPIC "$root/bench/$ref.cpp" -o "$refs/$ref" \
    $(pkg-config --cflags --libs Qt6Widgets) || exit 1
done

desktop_up
trap desktop_down EXIT
trace=$KV_TMP/trace

now_ms() { date +%s%3N; }
# Threads' voluntary context switches summed: every time the process went to
# sleep and was woken. Preemptions (nonvoluntary) depend on what else the
# machine runs, not on the program, and are counted apart.
switches() {
  cat /proc/$1/task/*/status 2>/dev/null |
    awk '/^voluntary_ctxt_switches/ {s += $2} END {print s + 0}'
}
preemptions() {
  cat /proc/$1/task/*/status 2>/dev/null |
    awk '/^nonvoluntary_ctxt_switches/ {s += $2} END {print s + 0}'
}
rss_kb() { awk -v k="$2" '$1 == k":" {print $2}' /proc/$1/status; }
cpu_ticks() { awk '{print $14 + $15}' /proc/$1/stat; }
# faketime runs the program as its child: the program's own process.
program_pid() {
  local child
  for _ in $(seq 50); do
    child=$(pgrep -P "$1" | head -1)
    [ -n "$child" ] && { echo "$child"; return; }
    sleep 0.1
  done
  echo "$1"
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3g", a / b; else print "-" }'; }

# Each copy of the program gets a home of its own.
fresh_home() {
  export HOME=$KV_TMP/home-$1 XDG_CONFIG_HOME=$KV_TMP/home-$1/.config
  export XDG_DATA_HOME=$KV_TMP/home-$1/.local/share
  # A copy of its own, not a second start of the same user's program.
  export XDG_RUNTIME_DIR=$KV_TMP/home-$1/run
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

# Time to the first paint, warm, median of five.
paint_time() {  # paint_time NAME COMMAND
  local name=$1; shift
  for _ in 1 2 3 4 5 6; do
    rm -f "$trace"
    local start=$(now_ms)
    KVIRLO_TRACE=$trace "$@" >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 300); do grep -q "^painted $name" "$trace" 2>/dev/null && break; sleep 0.01; done
    awk -v s="$start" -v n="$name" '$1 == "painted" && $2 == n {printf "%.0f\n", $3 - s; exit}' "$trace"
    kill $pid; wait $pid 2>/dev/null
  done | tail -n 5 | median
}

fresh_home paint
t_bare=$(paint_time Bare "$refs/bare_window")
t_prog=$(paint_time Form1 "$program")
echo "start to main window painted: ${t_prog} ms (bare Qt window ${t_bare} ms, ratio $(ratio $t_prog $t_bare))"

# A reminder that waits, typed like a user would; $1 = indicator or tray.
start_waiting() {
  fresh_home "$1"
  faketime -f "@2026-12-08 10:00:00" env DONT_FAKE_MONOTONIC=1 "$program" >/dev/null 2>&1 &
  local pid=$!
  local main
  main=$(wait_window "Квирло 3.0" 15 </dev/null) || return 1
  type_reminder "$main" "Тест" 23 59 "$1"
  sleep 1
  started=$(program_pid $pid)
  grep -q '^running=ON' "$XDG_CONFIG_HOME/Kvirlo/Kvirlo.ini" 2>/dev/null ||
    echo "warning: the $1 copy has no reminder waiting" >&2
}

start_waiting indicator; p_ind=$started
start_waiting tray; p_tray=$started
"$refs/bare_window" >/dev/null 2>&1 & p_bare=$!
"$refs/polling_loop" >/dev/null 2>&1 & p_poll=$!
# Past the start-up: Qt's pooled threads end 30 s after their last task,
# and each end wakes the main thread once.
sleep 40
declare -A before
declare -A preempted
for p in $p_ind $p_tray $p_bare $p_poll; do before[$p]=$(switches $p); preempted[$p]=$(preemptions $p); done
sleep "$window"
for copy in indicator:$p_ind "tray icon:$p_tray"; do
  p=${copy##*:}
  echo "preemptions a minute while waiting, ${copy%%:*} (the machine's load, not the program's): $(awk -v a="${preempted[$p]}" -v b="$(preemptions $p)" -v w="$window" 'BEGIN {printf "%.1f", (b - a) * 60 / w}')"
done
per_minute() { awk -v a="${before[$1]}" -v b="$(switches $1)" -v w="$window" 'BEGIN {printf "%.1f", (b - a) * 60 / w}'; }
w_ind=$(per_minute $p_ind); w_tray=$(per_minute $p_tray); w_poll=$(per_minute $p_poll)
echo "wake-ups a minute while waiting, indicator: $w_ind (polling loop $w_poll, ratio $(ratio $w_ind $w_poll))"
echo "wake-ups a minute while waiting, tray icon: $w_tray (polling loop $w_poll, ratio $(ratio $w_tray $w_poll))"
r_ind=$(rss_kb $p_ind VmRSS); a_ind=$(rss_kb $p_ind RssAnon)
r_bare=$(rss_kb $p_bare VmRSS); a_bare=$(rss_kb $p_bare RssAnon)
echo "resident memory while waiting: VmRSS ${r_ind} kB (bare ${r_bare} kB, ratio $(ratio $r_ind $r_bare)), RssAnon ${a_ind} kB (bare ${a_bare} kB, ratio $(ratio $a_ind $a_bare))"
kill $p_ind $p_tray $p_bare $p_poll 2>/dev/null; sleep 1

# The firing: the program's own record of the watch and of the alert's paint.
fresh_home firing
rm -f "$trace"
KVIRLO_TRACE=$trace DONT_FAKE_MONOTONIC=1 faketime -f "@2026-12-08 18:04:45" "$program" >/dev/null 2>&1 &
p=$(program_pid $!)
main=$(wait_window "Квирло 3.0" 15)
type_reminder "$main" "Тест" 18 05
alert=$(wait_window "Квирло" 30)
sleep 1
awk '$2 == "Form2" {split($3, t, "."); ms = (t[1] % 60000) + ("0." t[2]); printf "%s %.3f\n", $1, ms}' "$trace" |
  while read -r what ms; do
    [ "$what" = created ] && echo "minute's start to the watch firing: ${ms} ms"
    [ "$what" = painted ] && echo "minute's start to the alert painted: ${ms} ms"
  done
c0=$(cpu_ticks $p); sleep 10; c1=$(cpu_ticks $p)
hz=$(getconf CLK_TCK)
echo "CPU while the alert blinks and the sound repeats: $(awk -v a=$c0 -v b=$c1 -v hz=$hz 'BEGIN {printf "%.1f", (b - a) * 100 / hz / 10}') %"
r_alert=$(rss_kb $p VmRSS)
click_at "$alert" 2700 2400
sleep 2
c0=$(cpu_ticks $p); sleep 10; c1=$(cpu_ticks $p)
echo "CPU after the alert is dismissed: $(awk -v a=$c0 -v b=$c1 -v hz=$hz 'BEGIN {printf "%.1f", (b - a) * 100 / hz / 10}') %"
echo "resident memory with the alert open: ${r_alert} kB; two seconds after it is dismissed: $(rss_kb $p VmRSS) kB"
kill $p 2>/dev/null; sleep 1
