// The size and SHA-256 of what a file holds, to tell later whether it is still what was written.
#pragma once

#include <windows.h>

struct FileDigest {
  DWORD size;
  BYTE sha256[32];
};

// Of bytes in memory. Returns 0, or the Win32 error of the system's hash provider.
DWORD DigestOfBytes(const void* data, DWORD size, FileDigest* digest);

// Of an open file's whole content, read through the handle from its current position, which must
// be the start. Returns 0, or the Win32 error; a file of 4 GB or more is ERROR_FILE_TOO_LARGE.
DWORD DigestOfFile(HANDLE file, FileDigest* digest);

bool SameDigest(const FileDigest& a, const FileDigest& b);
