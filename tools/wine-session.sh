#!/bin/bash
# Runs a command (the test run) with the build's Wine prefix ready, one warm wineserver and an
# Xvfb display, and stops both afterwards. Usage: wine-session.sh BUILD_DIR COMMAND...
set -u
build=$(cd "$1" && pwd); shift
. "$(dirname "$0")/wine-env.sh"
use_wine_prefix "$build/wineprefix"
loader=$(cat "$build/wine-loader")

xvfb_pid=""
# Tests always get a private Xvfb; RUN_ON_DISPLAY=1 keeps an existing display (make run).
if [ -z "${RUN_ON_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
  start_xvfb || { echo "wine-session: no Xvfb display could be started" >&2; exit 1; }
fi

stop() {
  wineserver -k >/dev/null 2>&1
  # The 64-bit prefix's server too, should a run have ended before its tests' own stop.
  "$(dirname "$0")/wow64-prefix.sh" stop "$build/wineprefix64"
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap stop EXIT

ensure_wine_prefix "$loader" wine-session
# Wine's mount manager learns the drive letters when it starts, so D: and E: exist before it does;
# the wrapper then points them at each process's fresh folders.
mkdir -p "$build/drive-placeholder"
for letter in d e; do
  [ -e "$WINEPREFIX/dosdevices/$letter:" ] || ln -sfn "$build/drive-placeholder" "$WINEPREFIX/dosdevices/$letter:"
done

start_wineserver

# Wine's X11 driver waits up to 2 s for a window manager to withdraw each managed window that is
# hidden or destroyed; a bare Xvfb has none, so every window cost 2 s. Without a window manager,
# Wine places its windows itself; on a real display the window manager keeps them.
x11_key='HKCU\Software\Wine\X11 Driver'
if [ -n "$xvfb_pid" ]; then
  "$loader" reg add "$x11_key" /v Managed /d N /f >/dev/null 2>&1
else
  "$loader" reg delete "$x11_key" /v Managed /f >/dev/null 2>&1
fi
"$@"
