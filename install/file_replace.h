// Writes a file so that an existing file of that name is either fully replaced or left untouched.
#pragma once

#include <windows.h>

#include "install/held_folder.h"

// Writes the bytes to a new temporary file in the held folder, checks that every byte reached the
// disk, then puts it in the place of fileName in one step. Returns 0, or the Win32 error;
// kLinkRefusedError when the file of that name is a link. On error no temporary file is left
// behind and an existing file is exactly as it was.
DWORD ReplaceFileContents(const HeldFolder& folder, const wchar_t* fileName, const void* data,
                          DWORD size);
