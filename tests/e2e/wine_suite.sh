#!/bin/bash
# Runs a Windows test program under Wine on a private X desktop (Xvfb and
# icewm) with a fresh Wine prefix and a Russian locale: ANSI code page 1251.
# Usage: wine_suite.sh PROGRAM.exe [ARGS...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
wine=/usr/lib/wine/wine64
for tool in Xvfb icewm "$wine"; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
source "$here/desktop.sh"
desktop_up
trap 'WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null; desktop_down' EXIT
export WINEPREFIX=$KV_TMP/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
russian() { LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$@"; }
russian "$wine" wineboot -i >/dev/null 2>&1
russian "$wine" "$@"
