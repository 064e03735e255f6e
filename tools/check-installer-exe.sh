#!/bin/bash
# Checks the built installer without running it: it imports system DLLs only, is marked
# NX-compatible and relocatable (dynamic base, with relocations), and carries a manifest that
# states its execution level. Usage: check-installer-exe.sh OBJDUMP EXE
set -u
objdump=$1 exe=$2
headers=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
failed=0
fail() { echo "FAIL: $*"; failed=1; }

allowed=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll comdlg32.dll msvcrt.dll "
imports=$(echo "$headers" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || fail "no import table found"
for dll in $imports; do
  case "$allowed" in *" $dll "*) ;; *) fail "imports $dll, which is not a system DLL" ;; esac
done

characteristics=$(echo "$headers" | sed -n 's/^DllCharacteristics\s*//p')
(( 0x$characteristics & 0x0100 )) || fail "not NX-compatible (DllCharacteristics $characteristics)"
(( 0x$characteristics & 0x0040 )) || fail "no dynamic base (DllCharacteristics $characteristics)"
"$objdump" -h "$exe" | grep -q ' \.reloc ' || fail "no relocations, so the dynamic base flag is void"
echo "$headers" | grep -q '(Windows GUI)' || fail "not a GUI subsystem exe"

grep -aq '<requestedExecutionLevel level="requireAdministrator"' "$exe" ||
  fail "no manifest with requestedExecutionLevel"

[ $failed = 0 ] && echo "imports:" $imports "- NX, dynamic base, manifest: ok"
exit $failed
