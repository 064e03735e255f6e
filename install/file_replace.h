// Writes a file so that an existing file of that name is either fully replaced or left untouched.
#pragma once

#include <windows.h>

// Writes the bytes to a temporary file in folder, checks that every byte reached the disk, then
// replaces target with it in one step. Returns 0, or the Win32 error; on error no temporary
// file is left behind and an existing target is exactly as it was.
DWORD ReplaceFileContents(const char* folder, const char* target, const void* data, DWORD size);
