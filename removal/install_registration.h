// What a successful installation leaves for its removal: the uninstaller's copy, the record and
// the uninstall entry.
#pragma once

#include <windows.h>

#include "removal/install_record.h"

// Places the uninstaller, adds the installation to the record and writes the uninstall entry.
// Returns 0, or the Win32 error of the first that failed.
DWORD RegisterInstallation(const InstallRecorder& recorder, bool folderCreated);

// Tells the window's user that the plug-in is installed but cannot be removed from Settings > Apps.
void ReportUnregisteredInstallation(HWND owner, DWORD error);
