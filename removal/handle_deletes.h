// Deleting through handles opened without following links, so that nothing is deleted by a path
// that could be resolved again after its check.
#pragma once

#include <windows.h>

// Marks the open file or folder (opened with DELETE access) for deletion when its last handle
// closes. Returns 0, or the Win32 error (ERROR_DIR_NOT_EMPTY for a folder that holds anything).
DWORD DeleteOpenFile(HANDLE file);

// Removes the folder (a full path that may end in a backslash) when it is empty. Returns 0 when
// it was removed or was not there, ERROR_DIR_NOT_EMPTY when it is kept, kLinkRefusedError when
// it is a link, else the Win32 error.
DWORD RemoveEmptyFolder(const wchar_t* folder);
