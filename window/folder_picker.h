// The system's folder picker, asked for one existing file-system folder.
#pragma once

#include <windows.h>
#include <shlobj.h>

// Prepares the picker request: owned by the window, the chosen item's display name written into
// pathBuffer (kFolderTextSize characters), file-system folders only.
void PrepareFolderPicker(BROWSEINFOW& request, HWND owner, wchar_t* pathBuffer);

// Runs the picker. True when the user chose a folder that can be entered (it is then the current
// directory): path (kFolderTextSize characters) holds it, ending in a backslash. False on cancel, on an
// item without a file-system path, and on a folder that cannot be entered.
bool PickFolder(BROWSEINFOW& request, wchar_t* path);
