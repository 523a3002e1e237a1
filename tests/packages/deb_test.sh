#!/usr/bin/env bash
# The .deb as a user's package manager meets it: its fields and files read
# with dpkg-deb, then unpacked into a temporary folder, where its program must
# find every library and open its main window on a private desktop.
#   deb_test.sh PACKAGE.deb VERSION
set -uo pipefail
deb=$(realpath "$1")
version=$2
here=$(dirname "$(realpath "$0")")
for tool in dpkg-deb Xvfb icewm xdotool wmctrl dbus-launch pulseaudio; do
  command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
. "$here/../e2e/desktop.sh"

field() { dpkg-deb -f "$deb" "$1"; }
check "the package is kvirlo $version" test "$(field Package) $(field Version)" = "kvirlo $version"
check "it is built for this machine" test "$(field Architecture)" = "$(dpkg --print-architecture)"
depends=$(field Depends)
for p in libqt6widgets6 libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
         qt6-translations-l10n; do
  check "it depends on $p" grep -q "\\b$p\\b" <<<"$depends"
done

if command -v lintian >/dev/null; then
  # The placeholder address stands until a publisher puts in a real one.
  placeholder=""
  grep -q '@localhost>' <<<"$(field Maintainer)" && placeholder=bogus-mail-host,bogus-mail-host-in-debian-changelog
  serious=$(lintian ${placeholder:+--suppress-tags $placeholder} "$deb" 2>/dev/null | grep -E '^[EW]:')
  check "lintian finds no error and no warning" test -z "$serious"
  [ -n "$serious" ] && echo "$serious"
fi

listing=$(dpkg-deb -c "$deb")
has() { grep -qE "^$1 root/root .* \\./usr/$2\$" <<<"$listing"; }
check "the program" has -rwxr-xr-x bin/kvirlo
check "its sound helper" has -rwxr-xr-x bin/kvirlo-sound
check "the launcher" has -rw-r--r-- share/applications/kvirlo.desktop
check "the icon" has -rw-r--r-- share/icons/hicolor/scalable/apps/kvirlo.svg
check "the default chime" has -rw-r--r-- share/kvirlo/media/tada.wav
check "the copyright file" has -rw-r--r-- share/doc/kvirlo/copyright
check "the manual page" has -rw-r--r-- share/man/man1/kvirlo.1.gz
check "nothing outside /usr" bash -c "! grep -vE ' \\./(usr/.*)?\$' <<<\"\$0\"" "$listing"

root=$(mktemp -d /tmp/kvirlo-deb.XXXXXX)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
launcher=$root/usr/share/applications/kvirlo.desktop
check "the launcher starts kvirlo with its icon" \
  bash -c "grep -qx Exec=kvirlo '$launcher' && grep -qx Icon=kvirlo '$launcher'"
check "the binaries are stripped" bash -c "file -L '$root/usr/bin/kvirlo' '$root/usr/bin/kvirlo-sound' | grep -c ', stripped' | grep -qx 2"
check "every library the binaries need is there" \
  bash -c "! ldd '$root/usr/bin/kvirlo' '$root/usr/bin/kvirlo-sound' | grep -q 'not found'"

desktop_up
trap 'desktop_down; rm -rf "$root"' EXIT
"$root/usr/bin/kvirlo" >"$KV_TMP/program.log" 2>&1 &
pid=$!
main=$(wait_window "Квирло 3.0" 20)
check "the unpacked program opens its main window" test -n "$main"
check "a fresh account gets the default chime" soon test -s "$XDG_DATA_HOME/kvirlo/media/tada.wav"
[ -n "$main" ] && wmctrl -i -c "$main"
ended() { ! kill -0 "$pid" 2>/dev/null; }
check "closing the main window ends it" soon ended
kill "$pid" 2>/dev/null
[ $failures -eq 0 ] || { cat "$KV_TMP/program.log"; exit 1; }
