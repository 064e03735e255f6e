#!/bin/bash
# Starts the built installer under Wine in a demo prefix of its own (never the tests' prefix),
# seeded with sample image editors so that the folder list shows real entries and Install writes
# real files. With a reachable display the window opens there; without one it runs on a private
# Xvfb: Install is pressed, pictures of the window before and after are saved, and Finish ends it;
# then the same again at 200 % display scale.
# Usage: run-demo.sh BUILD_DIR (for example build/i686)
set -eu
build=$(cd "$1" && pwd)
. "$(dirname "$0")/wine-env.sh"
use_wine_prefix "$build/demoprefix"
loader=$(cat "$build/wine-loader")
installer="$build/startup/glimmerion-setup.exe"
drive="$build/demo-drive"   # the demo's D: drive; what Install writes stays there

display_reachable() {
  [ -n "${DISPLAY:-}" ] || return 1
  if command -v xdpyinfo >/dev/null; then xdpyinfo >/dev/null 2>&1; return; fi
  local number=${DISPLAY#*:}
  [ -S "/tmp/.X11-unix/X${number%%.*}" ]
}

xvfb_pid=""
stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap stop EXIT

headless=1
display_reachable && headless=0
if [ $headless = 1 ]; then
  start_xvfb || { echo "run-demo: no Xvfb display could be started" >&2; exit 1; }
fi

ensure_wine_prefix "$loader" run-demo
start_wineserver

# The sample editors: their folders on D:, their registry settings and one painter.set file.
mkdir -p "$drive" "$WINEPREFIX/dosdevices"
ln -sfn "$drive" "$WINEPREFIX/dosdevices/d:"
mkdir -p "$drive/Program Files/Adobe/Photoshop 9/Plug-Ins" \
  "$drive/Program Files/Jasc/Paint Shop Pro 9/Plugins" \
  "$drive/Program Files/iGrafx/Plugins" \
  "$drive/Program Files/Painter" \
  "$drive/Editors/Paint/Filters"
# painter.set: settings bytes around one path record (0x80, its length 24, the path, NUL).
printf 'PSET\x01\x00\x80\x18D:\\Editors\\Paint\\Filters\x00\x10\x20' \
  >"$drive/Program Files/Painter/painter.set"
seed="$build/demo-editors.reg"
cat >"$seed" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Adobe\Photoshop\9.0]
"PluginPath"="D:\\Program Files\\Adobe\\Photoshop 9\\Plug-Ins"

[HKEY_CURRENT_USER\Software\Jasc\Paint Shop Pro\9\FileLocations]
"Directory1"="D:\\Program Files\\Jasc\\Paint Shop Pro 9\\Plugins"

[HKEY_LOCAL_MACHINE\Software\Tarnwell\Shared]
"PluginFolder"="D:\\Program Files\\iGrafx\\Plugins"

[HKEY_CLASSES_ROOT\PainterFile\shell\open\command]
@="\"D:\\Program Files\\Painter\\Painter.exe\" \"%1\""
REG
"$loader" regedit /S "Z:$seed" >/dev/null 2>&1

if [ $headless = 0 ]; then
  echo "run-demo: starting the installer on $DISPLAY (what it installs lands in $drive)"
  "$loader" "$installer"
  exit 0
fi

# The display scale (LogPixels) takes effect with a new wineserver.
set_scale() {
  "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  start_wineserver
}

shots="$build/screenshots"
mkdir -p "$shots"
echo "run-demo: no display; running on Xvfb $DISPLAY, installing, and saving pictures of the window"
set_scale 96
"$loader" "$build/tests/window/demo_snapshot.exe" "$installer" "Z:$shots" </dev/null
echo "run-demo: the same at 200 % display scale"
set_scale 192
"$loader" "$build/tests/window/demo_snapshot.exe" "$installer" "Z:$shots" -200 </dev/null
set_scale 96
python3 "$(dirname "$0")/compact-png.py" "$shots"/setup-window-*.png
echo "run-demo: pictures saved in $shots; what was installed:"
find "$drive" -iname '*.8bf' -printf '  %p (%s bytes)\n'
