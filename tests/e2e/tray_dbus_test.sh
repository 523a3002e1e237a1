#!/usr/bin/env bash
# The tray icon on a panel that hosts icons over D-Bus and shows their menus
# itself, as Ubuntu's and KDE's do (a stand-in serves here): the icon
# registers, its menu is the program's own, and what is chosen there reaches
# the program.
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
for tool in Xvfb icewm xdotool dbus-launch dbus-send pulseaudio; do
  command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
. "$here/desktop.sh"
desktop_up
trap desktop_down EXIT
panel_up || { echo "skipped: no Python GObject bindings for the panel"; exit 77; }
panel() { local what=$1; shift; /usr/bin/python3 "$here/panel.py" "$what" $icon "$@"; }
windows() { xdotool search --onlyvisible --pid $pid 2>/dev/null | wc -l; }
more_windows() { [ "$(windows)" -gt "$before" ]; }

start_program /dev/null "2026-12-08 10:00:00"
type_reminder "$(wait_window "Квирло 3.0" 10)" x 23 59 tray
check "the icon registers with the panel" soon test -s "$KV_TMP/icons"
icon=$(head -1 "$KV_TMP/icons")
menu=$(panel menu)
check "its menu: the six entries in order, the separator third" test "$(cut -f2,3 <<<"$menu" | tr '\t\n' ':|')" \
  = "standard:Сайт программы|standard:О программе|separator:|standard:Время|standard:Изм.условия|standard:Exit|"
before=$(windows)
panel Activate; sleep 0.7
check "a left click passed by the panel opens nothing" test "$(windows)" = "$before"
panel choose "$(awk -F'\t' '$3 == "Время" {print $1}' <<<"$menu")"
check "«Время» chosen in the panel's menu shows the indicator" window_shows "Form3" 5
before=$(windows)
panel ContextMenu
check "a panel that passes the right click on gets the menu" soon more_windows
xdotool key Escape
panel choose "$(awk -F'\t' '$3 == "Exit" {print $1}' <<<"$menu")"
check "«Exit» asks first" window_shows "Квирло" 5
xdotool key Return
check "and the program ends at «Да»" soon bash -c "! kill -0 $pid 2>/dev/null"
kill $pid 2>/dev/null
[ $failures -eq 0 ] && echo "tray over D-Bus: all checks passed"
exit $((failures > 0))
