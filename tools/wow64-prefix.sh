#!/bin/bash
# The 64-bit Windows prefix of a build, in which the 32-bit installer runs under WoW64 with the
# registry's two views. "start" creates it once (about 30 s) and keeps one warm wineserver for it;
# "stop" ends that server. Usage: wow64-prefix.sh start|stop PREFIX
set -u
. "$(dirname "$0")/wine-env.sh"
use_wine_prefix "$2"
case "$1" in
  start)
    ensure_wine_prefix /usr/lib/wine/wine64 wow64-prefix win64
    # D: and E: exist before the server starts, as in the build's own prefix (wine-session.sh).
    mkdir -p "$WINEPREFIX/drive-placeholder"
    for letter in d e; do
      [ -e "$WINEPREFIX/dosdevices/$letter:" ] ||
        ln -sfn "$WINEPREFIX/drive-placeholder" "$WINEPREFIX/dosdevices/$letter:"
    done
    start_wineserver
    grep -qx '#arch=win64' "$WINEPREFIX/system.reg" || { echo "wow64-prefix: no win64 prefix" >&2; exit 1; } ;;
  stop)
    [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1
    exit 0 ;;
esac
