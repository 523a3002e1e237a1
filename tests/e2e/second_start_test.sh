#!/usr/bin/env bash
# Starting the program again: each later copy ends with status 0, the first
# copy's main window shown and active, however often it is done.
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
. "$here/desktop.sh"
desktop_up
trap desktop_down EXIT
start_program
first=$pid
main=$(wait_window "Квирло 3.0" 10)
check "the first copy shows its main window" test -n "$main"
for i in 1 2 3 4 5; do
  xdotool windowminimize --sync "$main" 2>/dev/null || xdotool windowunmap --sync "$main"
  DESKTOP_STARTUP_ID="kvirlo-test-${i}_TIME$(date +%s)" start_program
  status_within 20; status=$?
  check "start $i again: status $status" test "$status" = 0
  active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]; }
  check "start $i again: the main window is shown and active" soon active
done
kill $first; wait $first
[ $failures -eq 0 ] && echo "second start: all checks passed"
exit $((failures > 0))
