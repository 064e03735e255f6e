// The folder that Install writes into: the selected folder-list entry, made to exist.
#pragma once

#include <windows.h>

// Copies the selected entry of the folder list into installFolder (kFolderTextSize bytes), then
// enters that folder or, failing that, creates its last level. False, with nothing created, when
// no entry is selected or the entry does not fit (installFolder is then empty), or when the folder
// can be neither entered nor created.
bool PrepareInstallFolder(HWND list, char* installFolder);

// Enters the folder (a full path ending in a backslash) or, failing that, creates it: only its
// last level, or with everyLevel every missing level. False, with the Win32 error left for
// GetLastError, when it can be neither entered nor created.
bool MakeInstallFolder(const char* folder, bool everyLevel);
