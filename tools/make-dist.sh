#!/bin/bash
# Builds the release installer (the i686 exe, without tests) in a clean build folder and writes
# it with its checksum file through package-release.sh, signed when signing material is given.
# PLUGIN_MODULE, when set, names the real plug-in module to embed.
# Usage: make-dist.sh BUILD_FOLDER OUT_FOLDER
set -eu
build=$1 out=$2
source=$(cd "$(dirname "$0")/.." && pwd)
plugin=${PLUGIN_MODULE:+$(realpath -m "$PLUGIN_MODULE")}
rm -rf "$build"
cmake -S "$source" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-i686.cmake" \
  -DBUILD_TESTING=OFF -DPLUGIN_MODULE="$plugin" >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target glimmerion-setup >/dev/null
"$source/tools/package-release.sh" "$build/startup/glimmerion-setup.exe" "$(cat "$build/release-version")" "$out"
