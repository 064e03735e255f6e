// Files opened, created and renamed by a bare name relative to an open folder's handle, so that
// no path is resolved again between a check of the folder and the write into it.
#pragma once

#include <windows.h>

#include "win32/handle_guards.h"

// Opens (FILE_OPEN) or creates (FILE_CREATE) the file called name in folder, with access and
// sharing as CreateFileW takes them, for synchronous reads and writes. A link at the name is
// opened itself where the file system allows it, never created through. Returns 0, or the Win32
// error; *file is set only on success.
DWORD OpenInFolder(HANDLE folder, const wchar_t* name, ACCESS_MASK access, ULONG share,
                   ULONG disposition, FileHandle* file);

// Gives the open file (opened with DELETE access) the name in folder, replacing what stands
// there: a link itself, never the file it leads to. Returns 0, or the Win32 error.
DWORD RenameInFolder(HANDLE file, HANDLE folder, const wchar_t* name);
