#!/bin/bash
# Runs a Windows test program under Wine on a private X desktop (Xvfb and
# icewm) with a fresh Wine prefix and a Russian locale: ANSI code page 1251.
# Usage: wine_suite.sh PROGRAM.exe [ARGS...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop.sh"
source "$here/wine.sh"
wine_up
russian "$wine" "$@"
