#!/bin/bash
# Installs the Debian packages that building and testing need, and only those that are missing.
set -eu
packages="cmake make g++-mingw-w64-i686-posix mingw-w64-i686-dev g++-mingw-w64-x86-64-posix
  mingw-w64-x86-64-dev wine wine64 wine32:i386 xvfb googletest python3
  osslsigncode openssl"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "Missing packages:$missing"
  echo "Run as root: dpkg --add-architecture i386 && apt-get update && apt-get install -y --no-install-recommends$missing"
  exit 1
fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
