#!/usr/bin/env bash
# Measures the Windows program under Wine beside a reference built here: a
# bare Win32 window (one top-most tool window, a message loop, no timers),
# the floor of any Win32 program under Wine. Prints one line a figure.
# Usage: bench/windows.sh BUILD_DIR [SECONDS_OF_WAITING]
set -uo pipefail
build=$(realpath "${1:-build/windows}")
window=${2:-120}
root=$(dirname "$(realpath "$0")")/..
program=$build/kvirlo.exe
. "$root/tests/e2e/desktop.sh"
. "$root/tests/e2e/wine.sh"

refs=$build/bench
mkdir -p "$refs"
x86_64-w64-mingw32-g++-posix -O2 -std=c++20 -municode -mwindows -static -s \
  "$root/bench/bare_window_win32.cpp" -o "$refs/bare_window_win32.exe" || exit 1
g++ -O2 -std=c++20 "$root/bench/wakeups.cpp" -o "$refs/wakeups" || exit 1

wine_up xdotool wmctrl sox pactl
trace=$KV_TMP/trace
wine_trace="Z:${trace//\//\\}"  # the same file as Windows names it
faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1

now_ms() { date +%s%3N; }
rss_kb() { awk -v k="$2" '$1 == k":" {print $2}' /proc/$1/status; }
cpu_ticks() { awk '{print $14 + $15}' /proc/$1/stat; }
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
ratio() { awk -v a="${1:-}" -v b="${2:-}" 'BEGIN { if (b > 0) printf "%.3g", a / b; else print "-" }'; }
ended() { ! kill -0 "$1" 2>/dev/null; }
stop() { kill "$@" 2>/dev/null; for _ in $(seq 50); do ended "$1" && break; sleep 0.1; done; }
# What a process holds of the sound: /dev/snd files open, and its
# connections and streams on the sound server.
sound_held() {
  local devices clients streams
  devices=$(ls -l /proc/$1/fd 2>/dev/null | grep -c /dev/snd)
  clients=$(pactl list clients 2>/dev/null | grep -c "application.process.id = \"$1\"")
  streams=$(pactl list sink-inputs 2>/dev/null | grep -c "application.process.id = \"$1\"")
  echo "$devices files on /dev/snd, $clients connections and $streams streams on the sound server"
}

# Time to the main window painted: a copy of the program with no reminder
# waiting shows its main window at once. Wine starts a process slowly and
# the machine is shared, so the two take turns, ten times each; the first
# of each is a cold start and is left out, the figure is the median.
paint_once() {  # paint_once NAME EXE
  rm -f "$trace"
  local start=$(now_ms)
  KVIRLO_TRACE=$wine_trace "$wine" "$2" >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 300); do grep -q "^painted $1 " "$trace" 2>/dev/null && break; sleep 0.01; done
  awk -v s="$start" -v n="$1" '$1 == "painted" && $2 == n {printf "%.0f\n", $3 - s; exit}' "$trace" 2>/dev/null
  stop $pid
}
for _ in $(seq 10); do
  paint_once Bare "$refs/bare_window_win32.exe" >>"$KV_TMP/paint-bare"
  paint_once Form1 "$program" >>"$KV_TMP/paint-program"
done
t_bare=$(tail -n +2 "$KV_TMP/paint-bare" | median)
t_prog=$(tail -n +2 "$KV_TMP/paint-program" | median)
echo "start to main window painted: ${t_prog} ms (bare Win32 window ${t_bare} ms, ratio $(ratio $t_prog $t_bare))"

# One copy runs per Windows session: the tray copy gets a Wine prefix of
# its own, a copy of the first one.
WINEPREFIX_INDICATOR=$WINEPREFIX
WINEPREFIX_TRAY=$KV_TMP/wine-tray
timeout 60 /usr/lib/wine/wineserver -w || /usr/lib/wine/wineserver -k
cp -a "$WINEPREFIX_INDICATOR" "$WINEPREFIX_TRAY"

# A reminder three hours ahead, typed like a user would; $1 = indicator or tray.
start_waiting() {
  local var=WINEPREFIX_${1^^}
  export WINEPREFIX=${!var}
  "$wine" "$program" >/dev/null 2>&1 &
  started=$!
  local main
  main=$(wait_window "Квирло 3.0" 30) || { echo "the $1 copy never showed its main window" >&2; return 1; }
  type_reminder "$main" "Тест" $(( ($(date +%-H) + 3) % 24 )) 5 "$1"
  sleep 1
  "$wine" reg query 'HKCU\Software\Kvirlo\Config' /v running 2>/dev/null | grep -q 'REG_SZ *ON' ||
    echo "warning: the $1 copy has no reminder waiting" >&2
}

# The indicator copy is typed last: the pointer then rests where its «Пуск»
# was, as a user leaves it.
start_waiting tray; p_tray=$started
export WINEPREFIX=$WINEPREFIX_INDICATOR
"$wine" "$refs/bare_window_win32.exe" >/dev/null 2>&1 & p_bare=$!
start_waiting indicator; p_ind=$started
# The Wine server of the first prefix: Wine's own, not the program's.
for p in $(pgrep -x wineserver64); do
  tr '\0' '\n' </proc/$p/environ 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX_INDICATOR" && p_server=$p
done
sleep 15
read -r _ s_ind w_ind _ s_tray w_tray _ s_bare w_bare _ s_server _ < <(
  "$refs/wakeups" "$window" 200 $p_ind $p_tray $p_bare ${p_server:-$p_bare} | tr '\n' ' ')
per_minute() { awk -v n="$1" -v w="$window" 'BEGIN {printf "%.1f", n * 60 / w}'; }
more() { awk -v a="$(per_minute $1)" -v b="$(per_minute $2)" 'BEGIN {printf "%.1f", a - b}'; }
for what in ind tray; do
  name=indicator; [ $what = tray ] && name="tray icon"
  w=w_$what s=s_$what
  echo "wake-ups a minute while waiting, $name: $(per_minute ${!w}) (bare window $(per_minute $w_bare), $(more ${!w} $w_bare) more)"
  echo "context switches a minute while waiting, $name: $(per_minute ${!s}) (bare window $(per_minute $s_bare), ratio $(ratio ${!s} $s_bare))"
done
echo "Wine server's context switches a minute meanwhile, serving the indicator copy, the bare window and Wine's own processes (Wine's, not the program's): $(per_minute $s_server)"
r_bare=$(rss_kb $p_bare VmRSS); a_bare=$(rss_kb $p_bare RssAnon)
for p in $p_ind $p_tray; do
  name=indicator; [ $p = $p_tray ] && name="tray icon"
  r=$(rss_kb $p VmRSS); a=$(rss_kb $p RssAnon)
  echo "resident memory while waiting, $name: VmRSS ${r} kB (bare ${r_bare} kB, ratio $(ratio $r $r_bare)), RssAnon ${a} kB (bare ${a_bare} kB, ratio $(ratio $a $a_bare))"
done
echo "sound held while waiting, indicator: $(sound_held $p_ind); tray icon: $(sound_held $p_tray)"
stop $p_ind $p_tray $p_bare
export WINEPREFIX=$WINEPREFIX_TRAY; /usr/lib/wine/wineserver -k 2>/dev/null
export WINEPREFIX=$WINEPREFIX_INDICATOR
/usr/lib/wine/wineserver -p 60 2>/dev/null  # a server on the true clock, whoever starts first

# The firing: the program's own record of the watch (the alert's window
# made) and of the alert painted, with the clock set by faketime. The alarm
# is a chime where Windows keeps its own.
mkdir -p "$WINEPREFIX/drive_c/windows/media"
sox -q -n -r 22050 -b 16 -c 1 "$WINEPREFIX/drive_c/windows/media/tada.wav" \
  synth 0.18 sine 784 synth 0.18 sine 784 : synth 0.18 sine 988 : synth 0.6 sine 1319 fade q 0.01 -0 0.45
rm -f "$trace"
KVIRLO_TRACE=$wine_trace LD_PRELOAD=$faketime_lib FAKETIME="@2026-12-08 18:04:45" DONT_FAKE_MONOTONIC=1 \
  "$wine" "$program" >/dev/null 2>&1 &
p=$!
main=$(wait_window "Квирло 3.0" 30)
type_reminder "$main" "Тест" 18 05
xdotool mousemove 1010 10
alert=$(wait_window "Квирло" 40)
sleep 1
awk '$2 == "Form2" {split($3, t, "."); ms = (t[1] % 60000) + ("0." t[2]); printf "%s %.1f\n", $1, ms}' "$trace" |
  while read -r what ms; do
    [ "$what" = created ] && echo "minute's start to the watch firing (the alert's window made): ${ms} ms"
    [ "$what" = painted ] && echo "minute's start to the alert painted: ${ms} ms"
  done
c0=$(cpu_ticks $p); sleep 10; c1=$(cpu_ticks $p)
hz=$(getconf CLK_TCK)
echo "CPU while the alert blinks and the sound repeats: $(awk -v a=$c0 -v b=$c1 -v hz=$hz 'BEGIN {printf "%.1f", (b - a) * 100 / hz / 10}') %"
echo "sound held while the alert sounds: $(sound_held $p)"
r_alert=$(rss_kb $p VmRSS)
# Closed as «Продолжить» closes it (a click on the button from xdotool ends
# on the alert's own window under Wine).
wmctrl -F -c "Квирло"
sleep 2
c0=$(cpu_ticks $p); sleep 10; c1=$(cpu_ticks $p)
echo "CPU after the alert is dismissed: $(awk -v a=$c0 -v b=$c1 -v hz=$hz 'BEGIN {printf "%.1f", (b - a) * 100 / hz / 10}') %"
echo "sound held after the alert is dismissed: $(sound_held $p)"
echo "resident memory with the alert open: ${r_alert} kB; twelve seconds after it is dismissed: $(rss_kb $p VmRSS) kB"
stop $p
