#!/bin/bash
# Runs one test exe under Wine at a display scale: in a prefix of its own (the shared prefix stays
# at 96 DPI), with LogPixels set to DPI, which Wine reads when its server starts.
# Usage: run-at-scale.sh BUILD_DIR DPI EXE [ARGUMENTS...]
set -eu
build=$(cd "$1" && pwd) dpi=$2
shift 2
. "$(dirname "$0")/../../tools/wine-env.sh"
use_wine_prefix "$build/wineprefix-scaled"
loader=$(cat "$build/wine-loader")
ensure_wine_prefix "$loader" run-at-scale
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
"$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1
# As in the shared prefix: no window manager on Xvfb, so Wine places windows itself at once.
"$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
wineserver -w
"$build/wine-run" "$@"
