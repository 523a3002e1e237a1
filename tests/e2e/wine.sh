# A fresh Wine prefix on the private desktop of desktop.sh, with a Russian
# language and UTF-8 window titles on X (which xdotool reads). Wine takes its
# code pages from the character type: `russian COMMAND` runs a command under
# Russian Windows proper (ANSI 1251, OEM 866), whose titles X cannot show.
# Source it after desktop.sh; `wine_up TOOL...` skips the test (exit 77) when Wine or
# one of the tools is missing, and takes everything down at the end.

wine=/usr/lib/wine/wine64
KV_LAUNCHER=$wine  # how desktop.sh starts the program under test

# Wine names files on the Unix side in the locale's character set; a system
# without a Russian UTF-8 locale (Debian has none until one is generated)
# would leave it no name for a Cyrillic file, so one is made for the run.
russian() {
  if [ -z "${LOCPATH:-}" ] && ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
    mkdir -p "$KV_TMP/locale"
    localedef -i ru_RU -f UTF-8 "$KV_TMP/locale/ru_RU.UTF-8" >/dev/null 2>&1 &&
      export LOCPATH=$KV_TMP/locale
  fi
  LC_ALL=ru_RU.UTF-8 "$@"
}

wine_up() {
  for tool in Xvfb icewm "$wine" "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  desktop_up
  export WINEPREFIX=$KV_TMP/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=ru_RU.UTF-8 LC_CTYPE=C.UTF-8
  trap '/usr/lib/wine/wineserver -k 2>/dev/null; desktop_down' EXIT
  "$wine" wineboot -i >/dev/null 2>&1
}
