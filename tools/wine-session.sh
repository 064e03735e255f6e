#!/bin/bash
# Runs a command (the test run) with the build's Wine prefix ready, one warm wineserver and an
# Xvfb display, and stops both afterwards. Usage: wine-session.sh BUILD_DIR COMMAND...
set -u
build=$(cd "$1" && pwd); shift
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

display=""
# Tests always get a private Xvfb; RUN_ON_DISPLAY=1 keeps an existing display (make run).
if [ -z "${RUN_ON_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if kill -0 "$xvfb_pid" 2>/dev/null; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "wine-session: no Xvfb display could be started" >&2; exit 1; }
  export DISPLAY="$display"
fi

stop() {
  wineserver -k >/dev/null 2>&1
  [ -n "$display" ] && kill "$xvfb_pid" 2>/dev/null
}
trap stop EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-session: creating the Wine prefix $WINEPREFIX (once, about 10 s)"
  "$(cat "$build/wine-loader")" wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Wine's mount manager learns the drive letters when it starts, so D: and E: exist before it does;
# the wrapper then points them at each process's fresh folders.
mkdir -p "$build/drive-placeholder"
for letter in d e; do
  [ -e "$WINEPREFIX/dosdevices/$letter:" ] || ln -sfn "$build/drive-placeholder" "$WINEPREFIX/dosdevices/$letter:"
done

# One persistent server for the whole run: each Wine process then starts in about 0.1 s.
# Its standard streams are redirected, or it would hold the caller's output pipe open.
wineserver -p </dev/null >/dev/null 2>&1 &

# Wine's X11 driver waits up to 2 s for a window manager to withdraw each managed window that is
# hidden or destroyed; a bare Xvfb has none, so every window cost 2 s. Without a window manager,
# Wine places its windows itself; on a real display the window manager keeps them.
x11_key='HKCU\Software\Wine\X11 Driver'
if [ -n "$display" ]; then
  "$(cat "$build/wine-loader")" reg add "$x11_key" /v Managed /d N /f >/dev/null 2>&1
else
  "$(cat "$build/wine-loader")" reg delete "$x11_key" /v Managed /f >/dev/null 2>&1
fi
"$@"
