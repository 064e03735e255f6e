# Sourced by wine-session.sh and run-demo.sh: the Wine environment of a prefix, a private Xvfb
# display and the prefix's creation, written once for both.

# Points Wine at the prefix: quiet, and without the Mono and Gecko installers a new prefix asks for.
use_wine_prefix() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Starts Xvfb on the first free display from :90 and exports DISPLAY; xvfb_pid is its process.
# Fails when no display could be started.
start_xvfb() {
  local n
  xvfb_pid=""
  for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if kill -0 "$xvfb_pid" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
    xvfb_pid=""
  done
  return 1
}

# Creates the prefix once (about 10 s) with the build's Wine loader. Usage: ensure_wine_prefix
# LOADER WHO, where WHO names the calling script in its message.
ensure_wine_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "$2: creating the Wine prefix $WINEPREFIX (once, about 10 s)"
  "$1" wineboot -i >/dev/null 2>&1
  wineserver -w
}

# One persistent server for the whole session: each Wine process then starts in about 0.1 s.
# Its standard streams are redirected, or it would hold the caller's output pipe open.
start_wineserver() {
  wineserver -p </dev/null >/dev/null 2>&1 &
}
