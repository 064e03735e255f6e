// SHA-256 through CryptoAPI in advapi32, which every Windows loads from System32 (bcrypt.dll is
// no KnownDLL, so the installer does not import it).
#include "removal/file_digest.h"

#include <string.h>

#include "install/win32_error.h"
#include "win32/handle_guards.h"

namespace {

// Read in pieces of this size, on the stack.
const DWORD kReadPiece = 16384;

class Sha256 {
 public:
  DWORD Begin() {
    if (!CryptAcquireContextW(provider_.receive(), nullptr, nullptr, PROV_RSA_AES,
                              CRYPT_VERIFYCONTEXT | CRYPT_SILENT) ||
        !CryptCreateHash(provider_.get(), CALG_SHA_256, 0, 0, hash_.receive())) {
      return LastErrorOr(NTE_PROV_TYPE_NOT_DEF);
    }
    return ERROR_SUCCESS;
  }
  DWORD Add(const void* data, DWORD size) {
    return CryptHashData(hash_.get(), static_cast<const BYTE*>(data), size, 0)
               ? ERROR_SUCCESS
               : LastErrorOr(NTE_BAD_HASH);
  }
  DWORD Finish(FileDigest* digest) {
    DWORD length = sizeof digest->sha256;
    return CryptGetHashParam(hash_.get(), HP_HASHVAL, digest->sha256, &length, 0) &&
                   length == sizeof digest->sha256
               ? ERROR_SUCCESS
               : LastErrorOr(NTE_BAD_HASH);
  }

 private:
  // Declared first, destroyed last: the hash belongs to the provider.
  CryptProvider provider_;
  CryptHash hash_;
};

}  // namespace

DWORD DigestOfBytes(const void* data, DWORD size, FileDigest* digest) {
  Sha256 hash;
  DWORD error = hash.Begin();
  if (error == ERROR_SUCCESS) error = hash.Add(data, size);
  if (error == ERROR_SUCCESS) error = hash.Finish(digest);
  digest->size = size;
  return error;
}

DWORD DigestOfFile(HANDLE file, FileDigest* digest) {
  Sha256 hash;
  DWORD error = hash.Begin();
  if (error != ERROR_SUCCESS) return error;
  DWORD total = 0;
  for (;;) {
    BYTE piece[kReadPiece];
    DWORD read = 0;
    if (!ReadFile(file, piece, sizeof piece, &read, nullptr)) return LastErrorOr(ERROR_READ_FAULT);
    if (read == 0) break;
    if (read > MAXDWORD - total) return ERROR_FILE_TOO_LARGE;
    total += read;
    error = hash.Add(piece, read);
    if (error != ERROR_SUCCESS) return error;
  }
  digest->size = total;
  return hash.Finish(digest);
}

bool SameDigest(const FileDigest& a, const FileDigest& b) {
  return a.size == b.size && memcmp(a.sha256, b.sha256, sizeof a.sha256) == 0;
}
