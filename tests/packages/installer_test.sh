#!/usr/bin/env bash
# The Windows installer as a user meets it, under Wine in a fresh prefix:
# installed silently; the program, its Start-menu shortcut and its entry among
# the installed programs checked; the installed program started with a
# reminder waiting; then the uninstaller, run silently, must end it in order
# and take everything away but the user's settings.
#   installer_test.sh SETUP.exe ZIP VERSION HOMEPAGE
set -uo pipefail
setup=$(realpath "$1")
zip=$(realpath "$2")
version=$3
homepage=$4
here=$(dirname "$(realpath "$0")")
. "$here/../e2e/desktop.sh"
. "$here/../e2e/wine.sh"
wine_up xdotool wmctrl

# The console shows no Cyrillic: keys are read as exported .reg text (UTF-16).
exported() {
  "$wine" reg export "$1" "$KV_TMP/key.reg" /y >/dev/null 2>&1 &&
    iconv -f UTF-16 -t UTF-8 "$KV_TMP/key.reg" | tr -d '\r'
}
value() { exported "$1" | sed -n "s/^\"$2\"=//p"; }  # as .reg writes it: "text", dword:hex
exists() { "$wine" reg query "$1" >/dev/null 2>&1; }
unix_path() { "$wine" winepath -u "$("$wine" cmd /c echo "$1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kvirlo'
config='HKCU\Software\Kvirlo\Config'
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
folder=$(unix_path '%LOCALAPPDATA%\Programs\Kvirlo')
shortcut="$(unix_path '%APPDATA%')/Microsoft/Windows/Start Menu/Programs/Квирло.lnk"
settings=$WINEPREFIX/drive_c/windows/Kvir_Config.ini

unzipped=$KV_TMP/zip
mkdir -p "$unzipped"
(cd "$unzipped" && cmake -E tar xf "$zip")
check "the zip holds the program, its licence and its runtime's notices" \
  test "$(ls "$unzipped" | xargs)" = "LICENSE.txt THIRD-PARTY-NOTICES.txt kvirlo.exe"

# Refused, with nothing installed: a folder that cannot be made (a file in
# its way) and one the user cannot write to (immutable for root, read-only
# for others), asked for silently and on the folder page.
locked=$WINEPREFIX/drive_c/Locked
touch "$WINEPREFIX/drive_c/blocked"; mkdir "$locked"
{ [ "$(id -u)" -eq 0 ] && chattr +i "$locked"; } 2>/dev/null || chmod a-w "$locked"
trap 'chattr -i "$locked" 2>/dev/null; /usr/lib/wine/wineserver -k 2>/dev/null; desktop_down' EXIT
refused=('C:\blocked\Kvirlo')
touch "$locked/probe" 2>/dev/null && echo "skipped: no folder can be locked here" || refused+=('C:\Locked')
nothing_installed() { ! exists "$entry" && [ ! -e "$folder" ]; }
for asked in "${refused[@]}"; do
  "$wine" "$setup" /S "/D=$asked"
  check "a silent install into $asked fails, installing nothing" eval "[ $? -ne 0 ] && nothing_installed"
done
if [ ${#refused[@]} -eq 2 ]; then
  "$wine" "$setup" & setup_pid=$!
  title='Установка Квирло 3\.01 *'  # the message box's too
  xdotool windowfocus --sync "$(wait_window "$title" 30)" key ctrl+a type 'C:\Locked'
  xdotool key Return
  windows() { [ "$(xdotool search --onlyvisible --name "^$title\$" | wc -l)" -eq "$1" ]; }
  check "the folder page says it cannot write to C:\\Locked" soon windows 2
  xdotool key Return
  check "and stays, with nothing installed" soon eval 'windows 1 && nothing_installed'
  xdotool key Escape; sleep 2; kill $setup_pid 2>/dev/null
fi

"$wine" "$setup" /S
check "the silent installer succeeds" test $? -eq 0
check "the program is in the user's programs folder" cmp -s "$folder/kvirlo.exe" "$unzipped/kvirlo.exe"
check "with its uninstaller" test -s "$folder/uninstall.exe"
check "and its licence and notices" bash -c 'cmp -s "$1/LICENSE.txt" "$2/LICENSE.txt" &&
  cmp -s "$1/THIRD-PARTY-NOTICES.txt" "$2/THIRD-PARTY-NOTICES.txt"' - "$folder" "$unzipped"
links_to_program() { tr -d '\0' <"$shortcut" | grep -qa 'Kvirlo.kvirlo\.exe'; }
check "the Start menu has «Квирло», to the program" links_to_program
check "the entry is named «Квирло»" test "$(value "$entry" DisplayName)" = '"Квирло"'
check "the entry has version $version" test "$(value "$entry" DisplayVersion)" = "\"$version\""
check "the entry names the publisher" test "$(value "$entry" Publisher)" = '"Kvirlo"'
ends_with() { [[ "$1" == *"$2" ]]; }
check "the entry's icon is the program's" ends_with "$(value "$entry" DisplayIcon)" 'Kvirlo\\kvirlo.exe,0"'
size=$(value "$entry" EstimatedSize)
size=$(( 16#${size#dword:} ))
check "the entry has a size ($size KB)" test "$size" -gt 500
check "the entry has the program's web address" test "$(value "$entry" URLInfoAbout)" = "\"$homepage\""
check "the entry knows how to uninstall quietly" \
  ends_with "$(value "$entry" QuietUninstallString)" 'uninstall.exe\" /S"'

"$wine" "$folder/kvirlo.exe" >"$KV_TMP/program.log" 2>&1 &
pid=$!
main=$(wait_window "Квирло 3.0" 30)
check "the installed program opens its main window" test -n "$main"
[ -n "$main" ] && type_reminder "$main" "Installed" "$(( ($(date +%-H) + 2) % 24 ))" "05"
reminder_waits() { [ "$(value "$config" running)" = '"ON"' ]; }
check "a reminder waits" soon reminder_waits
runs_program() { [[ "$(value "$run" "Квирло $version")" == *'Kvirlo\\kvirlo.exe'* ]]; }
check "with its Run value" soon runs_program

# An older version's reminder that never ended in order left its own value;
# a copy kept elsewhere has one too. Written as .reg text: \ and " escaped.
reg_text() { sed 's/[\\"]/\\&/g' <<<"$1"; }
installed_exe=$("$wine" winepath -w "$folder" 2>/dev/null | tr -d '\r')'\KVIRLO.EXE'
cat <<EOF | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16 >"$KV_TMP/old.reg"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]
"Квирло 2.50"="$(reg_text "\"$installed_exe\"")"
"Квирло 2.40"="$(reg_text '"C:\Portable\kvirlo.exe"')"
EOF
"$wine" regedit /s "$KV_TMP/old.reg" >/dev/null 2>&1
check "older values are in place" test -n "$(value "$run" "Квирло 2.50")"

"$wine" "$folder/uninstall.exe" /S
gone() { ! exists "$entry"; }
for _ in $(seq 300); do gone && break; sleep 0.1; done
ended() { ! kill -0 "$pid" 2>/dev/null; }
check "the uninstaller ends the running program" soon ended
check "which marks the reminder off" test "$(value "$config" running)" = '"OFF"'
check "and drops its Run value" test -z "$(value "$run" "Квирло $version")"
check "the older version's Run value is gone" test -z "$(value "$run" "Квирло 2.50")"
check "a copy elsewhere keeps its Run value" test -n "$(value "$run" "Квирло 2.40")"
check "the entry is gone" gone
check "the shortcut is gone" test ! -e "$shortcut"
check "the program's folder is gone" soon test ! -e "$folder"
check "the settings file stays" test -s "$settings"

[ $failures -eq 0 ] && echo "installer: all passed" || { echo "installer: $failures failed"; cat "$KV_TMP/program.log"; }
exit $(( failures > 0 ))
