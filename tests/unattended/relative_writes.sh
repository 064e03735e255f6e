#!/bin/bash
# Runs the installer with /S under Wine's file trace: the temporary files, the plug-in's check and
# the log are opened by a bare name relative to their held folder's handle, never by a whole path.
# Usage: relative_writes.sh WINE_RUN INSTALLER
set -u
output=$(mktemp)
trap 'rm -f "$output"' EXIT
WINEDEBUG=+file "$1" "$2" /S '/LOG=D:\setup.log' '/D=D:\Plug-Ins' >"$output" 2>&1
status=$?
trace=$(grep -a 'trace:file:NtCreateFile' "$output")
failed=0
[ $status = 0 ] || { echo "FAIL: exit code $status"; failed=1; }
for name in '~gl[0-9A-F]*\.tmp' 'Glimmerion\.8bf'; do
  opens=$(echo "$trace" | grep -a "name=L\"[^\"]*$name\"")
  [ -n "$opens" ] || { echo "FAIL: no open of $name in the trace"; failed=1; }
  whole=$(echo "$opens" | grep -a 'root=(nil)')
  [ -z "$whole" ] || { echo "FAIL: opened by a whole path:"; echo "$whole"; failed=1; }
done
temps=$(echo "$trace" | grep -ac 'name=L"~gl')
[ "$temps" = 3 ] || { echo "FAIL: $temps temporary files opened by a bare name, not the log's, the plug-in's and the uninstaller's"; failed=1; }
[ $failed = 0 ] && echo "ok: $temps temporary files and the plug-in opened relative to their folders"
exit $failed
