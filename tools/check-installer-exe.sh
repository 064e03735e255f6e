#!/bin/bash
# Checks the built installer without running it: it imports at start-up only from Windows'
# KnownDLLs (and ntdll, which every process has loaded before its imports), is marked
# NX-compatible and relocatable (dynamic base, with relocations), has a load-configuration record
# whose DependentLoadFlags confines the DLLs it imports to System32, is marked NO_SEH (32-bit
# only: 64-bit images have table-based exception handlers), and carries a manifest that states
# its execution level, and holds no writable data but its imports and resources. Works on the
# i686 and the x86_64 exe. Usage: check-installer-exe.sh OBJDUMP EXE
set -u
objdump=$1 exe=$2
headers=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# KnownDLLs of Windows 7 to 11 are always loaded from System32; any other start-up import (OLEACC,
# for one) is looked for beside the exe first on Windows before 10 1607, which ignores
# DependentLoadFlags, so the installer loads those itself, from System32.
allowed=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll comdlg32.dll msvcrt.dll ntdll.dll "
imports=$(echo "$headers" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || fail "no import table found"
for dll in $imports; do
  case "$allowed" in *" $dll "*) ;; *) fail "imports $dll, which is not a KnownDLL" ;; esac
done

characteristics=$(echo "$headers" | sed -n 's/^DllCharacteristics\s*//p')
(( 0x$characteristics & 0x0100 )) || fail "not NX-compatible (DllCharacteristics $characteristics)"
(( 0x$characteristics & 0x0040 )) || fail "no dynamic base (DllCharacteristics $characteristics)"
sections=$("$objdump" -h "$exe")
echo "$sections" | grep -q ' \.reloc ' || fail "no relocations, so the dynamic base flag is void"
echo "$headers" | grep -q '(Windows GUI)' || fail "not a GUI subsystem exe"
# The uninstaller's copy is checked against the running image, which cannot vouch for variables.
writable=$(echo "$sections" | awk '/^ *[0-9]+ /{name=$2; next} /CONTENTS/ && !/READONLY/{print name}' |
  grep -vx -e .idata -e .rsrc)
[ -z "$writable" ] || fail "writable data the uninstaller's copy cannot be checked in: $writable"

format=$(echo "$headers" | sed -n 's/.*file format //p' | head -n 1)
case $format in
  pei-i386) flags_at=$((0x36)) ;;
  pei-x86-64) flags_at=$((0x4E)) ;;
  *) fail "not a 32-bit or 64-bit x86 exe ($format)"; flags_at=0 ;;
esac
if [ "$format" = pei-i386 ]; then
  (( 0x$characteristics & 0x0400 )) || fail "not marked NO_SEH (DllCharacteristics $characteristics)"
fi

# The directory, and the record's own size and DependentLoadFlags, from the shared PE reader.
read -r config_rva config_size record_size load_flags \
  <<<"$(python3 "$(dirname "$0")/pe_image.py" load-config "$exe")"
if [ -z "${config_rva:-}" ] || (( 0x$config_rva == 0 )); then
  fail "no load configuration directory"
elif (( 0x$config_size < flags_at + 2 )); then
  fail "load configuration directory of $((0x$config_size)) bytes has no DependentLoadFlags"
elif [ "$record_size" = - ]; then
  fail "the load configuration record lies in no section"
else
  (( record_size >= flags_at + 2 )) || fail "load configuration record of $record_size bytes"
  [ "$load_flags" = 2048 ] ||
    fail "DependentLoadFlags is $load_flags, not LOAD_LIBRARY_SEARCH_SYSTEM32 (2048)"
fi

grep -aq '<requestedExecutionLevel level="requireAdministrator"' "$exe" ||
  fail "no manifest with requestedExecutionLevel"

seh=""
[ "$format" = pei-i386 ] && seh=" NO_SEH,"
[ $failed = 0 ] &&
  echo "imports:" $imports "- NX, dynamic base,$seh System32 load flags, manifest: ok"
exit $failed
