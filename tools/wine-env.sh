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
# LOADER WHO [ARCH], where WHO names the calling script in its message. The 32-bit loader makes a
# 32-bit Windows (where wine64 is installed Wine would otherwise make a 64-bit one, with WoW64),
# the 64-bit loader a 64-bit one; ARCH (win32, win64) chooses. A prefix of the other kind, made
# before, is made again.
ensure_wine_prefix() {
  local arch=${3:-win32}
  [ "$(basename "$1")" = wine64 ] && arch=${3:-win64}
  if [ -f "$WINEPREFIX/system.reg" ]; then
    grep -qx "#arch=$arch" "$WINEPREFIX/system.reg" && return 0
    echo "$2: the Wine prefix $WINEPREFIX is no $arch prefix; making it again"
    rm -rf "$WINEPREFIX"
  fi
  echo "$2: creating the $arch Wine prefix $WINEPREFIX (once, about 10 s)"
  WINEARCH=$arch "$1" wineboot -i >/dev/null 2>&1
  wineserver -w
}

# One persistent server for the whole session: each Wine process then starts in about 0.1 s.
# Its standard streams are redirected, or it would hold the caller's output pipe open.
start_wineserver() {
  wineserver -p </dev/null >/dev/null 2>&1 &
}
