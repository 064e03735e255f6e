#!/bin/bash
# Writes the release files for one built installer: OUT/glimmerion-setup-VERSION.exe, signed with
# Authenticode (SHA-256 digest) when signing material is given, and OUT/SHA256SUMS listing it.
# Signing material comes from the environment: SIGN_PFX with SIGN_PASSWORD, or SIGN_CERT with
# SIGN_KEY (and SIGN_PASSWORD when the key is encrypted); SIGN_TIMESTAMP_URL adds an RFC 3161
# timestamp. When anything fails, OUT holds neither the exe nor the checksum file.
# Usage: package-release.sh EXE VERSION OUT_FOLDER
set -euo pipefail
exe=$1 version=$2 out=$3
name=glimmerion-setup-$version.exe

fail() {
  echo "package-release: $*; $out holds no $name" >&2
  exit 1
}

mkdir -p "$out"
# An earlier run's files would pass for this run's if this one fails.
rm -f "$out/$name" "$out/SHA256SUMS"
# Written beside their final names and renamed only when complete.
part=$out/.$name.part sums_part=$out/.SHA256SUMS.part work=$(mktemp -d)
trap 'rm -rf "$part" "$sums_part" "$work"' EXIT

# Every certificate the signature carries must be valid now: osslsigncode signs with an expired
# or not yet valid certificate without a word, and Windows would then reject the signature.
check_certificates() {
  osslsigncode extract-signature -pem -in "$part" -out "$work/signature.pem" >/dev/null ||
    fail "cannot read the signature back"
  openssl pkcs7 -in "$work/signature.pem" -print_certs |
    awk -v dir="$work" '/-BEGIN CERTIFICATE-/ { n++ } n { print > (dir "/certificate" n ".pem") }'
  for certificate in "$work"/certificate*.pem; do
    openssl verify -no-CAfile -no-CApath -partial_chain -trusted "$certificate" "$certificate" \
      >"$work/verify.txt" 2>&1 || { cat "$work/verify.txt" >&2; fail "a certificate is not valid now"; }
  done
}

sign() {
  local material
  if [ -n "${SIGN_PFX:-}" ]; then
    [ -z "${SIGN_CERT:-}${SIGN_KEY:-}" ] || fail "give SIGN_PFX or SIGN_CERT with SIGN_KEY, not both"
    material=(-pkcs12 "$SIGN_PFX")
  else
    material=(-certs "$SIGN_CERT" -key "$SIGN_KEY")
  fi
  # The password reaches osslsigncode on a file descriptor, never on its command line, which any
  # local user can read.
  local password=()
  [ -z "${SIGN_PASSWORD:-}" ] || password=(-readpass /dev/fd/3)
  osslsigncode sign "${material[@]}" "${password[@]}" -h sha256 -n "Glimmerion Setup" \
    ${SIGN_TIMESTAMP_URL:+-ts "$SIGN_TIMESTAMP_URL"} -in "$exe" -out "$part" \
    3<<<"${SIGN_PASSWORD:-}" >"$work/sign.txt" 2>&1 ||
    { cat "$work/sign.txt" >&2; fail "signing failed"; }
  check_certificates
}

if [ -n "${SIGN_PFX:-}" ] || { [ -n "${SIGN_CERT:-}" ] && [ -n "${SIGN_KEY:-}" ]; }; then
  sign
  added=$(( $(stat -c %s "$part") - $(stat -c %s "$exe") ))
  result="signed (Authenticode, SHA-256); the signature adds $added bytes"
elif [ -n "${SIGN_CERT:-}${SIGN_KEY:-}${SIGN_PASSWORD:-}${SIGN_TIMESTAMP_URL:-}" ]; then
  # Part of the material given means signing was meant: an unsigned exe would pass for a release.
  fail "incomplete signing material: give SIGN_PFX, or SIGN_CERT with SIGN_KEY"
else
  cp "$exe" "$part"
  result="unsigned: no signing material given (SIGN_PFX, or SIGN_CERT and SIGN_KEY)"
fi

chmod 644 "$part"
mv "$part" "$out/$name"
(cd "$out" && sha256sum "$name") >"$sums_part"
mv "$sums_part" "$out/SHA256SUMS"
echo "package-release: $out/$name $result"
