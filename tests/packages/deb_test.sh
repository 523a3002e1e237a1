#!/usr/bin/env bash
# The .deb as a user's package manager meets it: its fields and files read
# with dpkg-deb, then unpacked into a temporary folder, where its program must
# find every library and open its main window on a private desktop.
#   deb_test.sh PACKAGE.deb VERSION HOMEPAGE
set -uo pipefail
deb=$(realpath "$1")
version=$2
homepage=$3
here=$(dirname "$(realpath "$0")")
for tool in dpkg-deb Xvfb icewm xdotool wmctrl dbus-launch pulseaudio parec sox; do
  command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
. "$here/../e2e/desktop.sh"

field() { dpkg-deb -f "$deb" "$1"; }
check "the package is kvirlo $version" test "$(field Package) $(field Version)" = "kvirlo $version"
check "it is built for this machine" test "$(field Architecture)" = "$(dpkg --print-architecture)"
depends=$(field Depends)
for p in libqt6widgets6 libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
  check "it depends on $p" grep -q "\\b$p\\b" <<<"$depends"
done
for p in qt6-translations-l10n qt6-wayland; do
  check "it recommends $p" grep -q "\\b$p\\b" <<<"$(field Recommends)"
done
check "it names its web address" test "$(field Homepage)" = "$homepage"

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
check "its sound helper, internal to it" has -rwxr-xr-x libexec/kvirlo/kvirlo-sound
check "the launcher" has -rw-r--r-- share/applications/kvirlo.desktop
check "the icon" has -rw-r--r-- share/icons/hicolor/scalable/apps/kvirlo.svg
for side in 48 64 128 256; do
  check "the icon drawn at $side px" has -rw-r--r-- share/icons/hicolor/${side}x$side/apps/kvirlo.png
done
check "what a software centre lists" has -rw-r--r-- 'share/metainfo/[a-z.]+\.kvirlo\.metainfo\.xml'
# The program carries its chime and copies it to a fresh account.
check "no second copy of the chime" bash -c "! grep -q 'tada\.wav' <<<\"\$0\"" "$listing"
check "the copyright file" has -rw-r--r-- share/doc/kvirlo/copyright
check "the manual page" has -rw-r--r-- share/man/man1/kvirlo.1.gz
check "nothing outside /usr" bash -c "! grep -vE ' \\./(usr/.*)?\$' <<<\"\$0\"" "$listing"

root=$(mktemp -d /tmp/kvirlo-deb.XXXXXX)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
launcher=$root/usr/share/applications/kvirlo.desktop
check "the launcher starts kvirlo with its icon" \
  bash -c "grep -qx Exec=kvirlo '$launcher' && grep -qx Icon=kvirlo '$launcher'"
binaries=("$root/usr/bin/kvirlo" "$root/usr/libexec/kvirlo/kvirlo-sound")
check "the binaries are stripped" bash -c "file -L \"\$@\" | grep -c ', stripped' | grep -qx 2" - "${binaries[@]}"
check "every library the binaries need is there" \
  bash -c "! ldd \"\$@\" | grep -q 'not found'" - "${binaries[@]}"
if command -v hardening-check >/dev/null; then
  # Ask only for what this release's dpkg-buildflags gives (Debian 12 has no
  # branch protection nor stack clash protection among its features).
  features=$(dpkg-buildflags --query-features hardening 2>/dev/null)
  knows=$(hardening-check --help 2>&1)
  skip=()
  # Control flow marks (x86 IBT and shadow stack, Arm BTI and PAC) reach a
  # program only when every object linked into it has them, the C library's
  # start files too; Debian 13's have none (nor has its own dpkg), so no
  # program built there can, and Arm's are not asked of an x86 one.
  start=$(readelf -n "$(c++ -print-file-name=crt1.o)" 2>/dev/null)
  grep -qx 'Feature: branch' <<<"$features" && grep -q 'x86 feature: IBT, SHSTK' <<<"$start" ||
    skip+=(--nocfprotection)
  grep -qx 'Feature: branch' <<<"$features" && grep -q 'AArch64 feature: BTI, PAC' <<<"$start" ||
    ! grep -q -- --nobranchprotection <<<"$knows" || skip+=(--nobranchprotection)
  grep -qx 'Feature: stackclash' <<<"$features" || ! grep -q -- --nostackclash <<<"$knows" ||
    skip+=(--nostackclash)
  # The helper's few calls that fortify could guard (a read into a buffer of
  # known size, inlined copies) are proven safe when compiled, so none is
  # left to guard: hardening-check reads that as "only unprotected functions".
  hardening=$( (hardening-check --quiet "${skip[@]}" "${binaries[0]}"
                hardening-check --quiet "${skip[@]}" --nofortify "${binaries[@]:1}") 2>&1)
  check "the binaries are hardened as Debian's own" test -z "$hardening"
  [ -n "$hardening" ] && echo "$hardening"
fi
if command -v desktop-file-validate >/dev/null; then
  # SingleMainWindow is of the format's version 1.5, which validators before
  # 0.27 do not know yet.
  validated=$(desktop-file-validate "$launcher" | grep -v 'key "SingleMainWindow"')
  check "the launcher is valid" test -z "$validated"
  [ -n "$validated" ] && echo "$validated"
fi
check "the launcher has one main window" grep -qx SingleMainWindow=true "$launcher"
if command -v appstreamcli >/dev/null; then
  check "the software centre's entry is valid" \
    appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.metainfo.xml
  check "with this version's release" \
    grep -q "<release version=\"$version\"" "$root"/usr/share/metainfo/*.metainfo.xml
fi

desktop_up
trap 'desktop_down; rm -rf "$root"' EXIT
"$root/usr/bin/kvirlo" >"$KV_TMP/program.log" 2>&1 &
pid=$!
main=$(wait_window "Квирло 3.0" 20)
check "the unpacked program opens its main window" test -n "$main"
check "a fresh account gets the default chime" soon test -s "$XDG_DATA_HOME/kvirlo/media/tada.wav"
# The sound settings play the chime, through the helper the package put in
# its own folder (Настройки ▸ Звуковой сигнал, from the frame beside «Пуск»).
xdotool windowactivate --sync "$main" >/dev/null 2>&1
xdotool mousemove --window "$main" $((1700 / 15)) $((2250 / 15)) click 3
sleep 0.7
xdotool key Down Down Right Down Down Return
player=$(wait_window "Настройки звука" 10)
record "$KV_TMP/chime.raw" 3
check "its sound settings play the chime" heard_throughout "$KV_TMP/chime.raw" 3
packaged_helper() {
  local child
  for child in $(pgrep -P "$pid"); do
    [ "$(readlink "/proc/$child/exe")" = "$root/usr/libexec/kvirlo/kvirlo-sound" ] && return 0
  done
  return 1
}
check "through the packaged helper" packaged_helper
[ -n "$player" ] && wmctrl -i -c "$player"
[ -n "$main" ] && wmctrl -i -c "$main"
ended() { ! kill -0 "$pid" 2>/dev/null; }
check "closing the main window ends it" soon ended
kill "$pid" 2>/dev/null
[ $failures -eq 0 ] || { cat "$KV_TMP/program.log"; exit 1; }
