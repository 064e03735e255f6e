#!/bin/bash
# Signs the built installer through the release packaging with a throwaway certificate authority
# made here: good material gives an exe that verifies against that authority, differs from the
# unsigned one only in its signature, and fails to verify after one changed byte; bad material
# fails with the tool's message and leaves no exe and no checksum file, not even an earlier one.
# The pem case's exe stays for the signed installer's run under Wine.
# Usage: signing_test.sh PACKAGE_SCRIPT EXE VERSION WORK_FOLDER
set -u
package=$(realpath "$1") exe=$(realpath "$2") version=$3 work=$4
name=glimmerion-setup-$version.exe
failed=0
fail() { echo "FAIL: $*"; failed=1; }

rm -rf "$work"
mkdir -p "$work/material"
cd "$work/material" || exit 1
issue() {  # issue NAME DAYS: a code-signing certificate for key.pem from the authority
  openssl req -new -key key.pem -subj "/CN=Tarnwell Test Signer" -out "$1.csr" 2>/dev/null &&
    openssl x509 -req -in "$1.csr" -CA ca.pem -CAkey ca.key -days "$2" -out "$1.pem" \
      -extfile <(printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n') 2>/dev/null
}
{
  openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 \
    -subj "/CN=Throwaway Test CA" -addext basicConstraints=critical,CA:TRUE \
    -addext keyUsage=critical,keyCertSign 2>/dev/null &&
    openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out key.pem 2>/dev/null &&
    openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out other.key 2>/dev/null &&
    issue cert 1 && issue expired -1 &&
    openssl pkcs12 -export -in cert.pem -inkey key.pem -certfile ca.pem -passout pass:secret \
      -out signer.pfx
} || { echo "FAIL: openssl could not make the throwaway material"; exit 1; }

check_signed() {
  local case=$1 signed=$2
  (cd "$(dirname "$signed")" && sha256sum --quiet -c SHA256SUMS) || fail "$case: SHA256SUMS"
  osslsigncode verify -CAfile ca.pem -in "$signed" >/dev/null 2>&1 ||
    fail "$case: does not verify against the authority"
  # Taking the signature off again gives back the unsigned exe byte for byte.
  osslsigncode remove-signature -in "$signed" -out unsigned.exe >/dev/null 2>&1 &&
    cmp -s unsigned.exe "$exe" || fail "$case: signing changed more than the signature"
  rm -f unsigned.exe
  cp "$signed" tampered.exe
  local middle=$(( $(stat -c %s "$exe") / 2 ))
  printf "\\x$(printf %02x $(( ($(od -An -tu1 -j $middle -N1 tampered.exe) + 1) % 256 )))" |
    dd of=tampered.exe bs=1 seek=$middle conv=notrunc 2>/dev/null
  osslsigncode verify -CAfile ca.pem -in tampered.exe >/dev/null 2>&1 &&
    fail "$case: verifies after one byte of the exe changed"
  echo "$case: signed, verified; the signature adds $(( $(stat -c %s "$signed") - $(stat -c %s "$exe") )) bytes"
}

check_refused() {
  local case=$1 out=$2
  [ -s "$work/$case.err" ] || fail "$case: no message"
  leftovers=$(ls -A "$out" | tr "\n" " ")
  [ -z "$leftovers" ] || fail "$case: left in the output folder: $leftovers"
  echo "$case: refused: $(grep -v '^$' "$work/$case.err" | tail -1)"
}

# case            outcome  signing material
cases="
pem               signed   SIGN_CERT=cert.pem SIGN_KEY=key.pem
pfx               signed   SIGN_PFX=signer.pfx SIGN_PASSWORD=secret
wrong-password    refused  SIGN_PFX=signer.pfx SIGN_PASSWORD=wrong
expired           refused  SIGN_CERT=expired.pem SIGN_KEY=key.pem
mismatched-key    refused  SIGN_CERT=cert.pem SIGN_KEY=other.key
key-missing       refused  SIGN_CERT=cert.pem
"
while read -r case outcome material; do
  [ -n "$case" ] || continue
  out=$work/$case
  # An earlier release in the folder must not survive a failed one.
  mkdir -p "$out" && cp "$exe" "$out/$name" && echo "stale" >"$out/SHA256SUMS"
  # shellcheck disable=SC2086
  env -u SIGN_PFX -u SIGN_CERT -u SIGN_KEY -u SIGN_PASSWORD -u SIGN_TIMESTAMP_URL $material \
    "$package" "$exe" "$version" "$out" >"$work/$case.out" 2>"$work/$case.err"
  status=$?
  if [ "$outcome" = signed ]; then
    [ $status = 0 ] || { fail "$case: exit $status"; cat "$work/$case.err"; continue; }
    check_signed "$case" "$out/$name"
  else
    [ $status != 0 ] || fail "$case: succeeded"
    check_refused "$case" "$out"
  fi
done <<<"$cases"

[ $failed = 0 ] && echo "signing: all cases passed"
exit $failed
