#!/bin/bash
# Checks the shipped installer, the i686 exe, on every host. It is reproducible: built in two
# folders, the second time by make dist's own steps (clean, unsigned), it has the same SHA-256; and
# make dist said on one line that it wrote an unsigned exe, listed in a checksum file that checks.
# Where the tests run in the i686 build, that build is the first and ctest checks its make-up;
# elsewhere an i686 build of the exe alone is the first, and its make-up is checked here.
# Usage: check-shipped-exe.sh BUILD_ROOT TEST_ARCH
set -eu
root=$1 arch=$2
source=$(cd "$(dirname "$0")/.." && pwd)

if [ "$arch" = i686 ]; then
  first=$root/i686 options=()
else
  first=$root/i686-product options=(-DBUILD_TESTING=OFF)
fi
cmake -S "$source" -B "$first" -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-i686.cmake" \
  "${options[@]}" >/dev/null
cmake --build "$first" -j"${JOBS:-2}" --target glimmerion-setup >/dev/null
# The second build embeds the same plug-in module as the first.
plugin=$(sed -n 's/^PLUGIN_MODULE:FILEPATH=//p' "$first/CMakeCache.txt")
out=$root/dist-check
rm -rf "$out"
said=$(env -u SIGN_PFX -u SIGN_CERT -u SIGN_KEY -u SIGN_PASSWORD -u SIGN_TIMESTAMP_URL \
  PLUGIN_MODULE="$plugin" "$source/tools/make-dist.sh" "$root/dist-check-build" "$out")

name=glimmerion-setup-$(cat "$first/release-version").exe
failed=0
fail() { echo "reproducible: FAIL: $*"; failed=1; }
[ "$(echo "$said" | wc -l)" = 1 ] && [[ $said == *unsigned* ]] ||
  fail "make dist without signing material said: $said"
(cd "$out" && sha256sum --quiet -c SHA256SUMS) || fail "make dist's SHA256SUMS does not check"
[ "$(cat "$out/SHA256SUMS")" = "$(cd "$out" && sha256sum "$name")" ] ||
  fail "SHA256SUMS lists other files than $name"
sums=$(sha256sum "$first/startup/glimmerion-setup.exe" "$out/$name")
echo "$sums"
[ "$(echo "$sums" | cut -d' ' -f1 | uniq | wc -l)" = 1 ] ||
  fail "the two builds of the shipped exe differ"
[ $failed = 0 ] && echo "reproducible: the shipped exe has the same bytes from both builds"

if [ "$arch" != i686 ]; then
  check=$source/tools/check-installer-exe.sh objdump=i686-w64-mingw32-objdump
  "$check" "$objdump" "$first/startup/glimmerion-setup.exe" || failed=1
  python3 "$source/tests/startup/make_up_faults.py" "$check" "$objdump" \
    "$first/startup/glimmerion-setup.exe" || failed=1
fi
exit $failed
