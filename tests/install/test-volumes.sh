#!/bin/bash
# Mounts two small tmpfs volumes for the payload volume tests and maps them into the Wine prefix:
# T: a 128 KiB volume (too small for the plug-in), R: a read-only volume holding an old plug-in.
# Usage: test-volumes.sh mount|unmount VOLUMES_DIR WINEPREFIX. Never fails: where mounting is not
# allowed the drives stay unmapped and the tests skip themselves.
set -u
action=$1 volumes=$2 prefix=$3
tiny=$volumes/tiny readonly=$volumes/readonly

unmount() {
  rm -f "$prefix/dosdevices/t:" "$prefix/dosdevices/r:"
  for dir in "$tiny" "$readonly"; do
    mountpoint -q "$dir" 2>/dev/null && umount "$dir"
  done
  return 0
}

mount_volumes() {
  mkdir -p "$tiny" "$readonly" "$prefix/dosdevices" || return 1
  mount -t tmpfs -o size=128k,mode=0777 payload-tiny "$tiny" 2>/dev/null || return 1
  mount -t tmpfs -o size=64k,mode=0777 payload-readonly "$readonly" || return 1
  mkdir "$readonly/Plug-Ins" && printf 'old plug-in' >"$readonly/Plug-Ins/Glimmerion.8bf" &&
    mount -o remount,ro "$readonly" || return 1
  ln -sfn "$tiny" "$prefix/dosdevices/t:" && ln -sfn "$readonly" "$prefix/dosdevices/r:"
}

unmount
case $action in
  mount)
    mount_volumes || { echo "test-volumes: cannot mount tmpfs; the volume tests skip"; unmount; }
    ;;
  unmount) ;;
  *) echo "usage: $0 mount|unmount VOLUMES_DIR WINEPREFIX" >&2; exit 2 ;;
esac
exit 0
