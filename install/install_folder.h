// Making the folder that an install writes into.
#pragma once

// Enters the folder (a full path ending in a backslash) or, failing that, creates it: only its
// last level, or with everyLevel every missing level. False, with the Win32 error left for
// GetLastError, when it can be neither entered nor created. *created tells whether the folder
// was missing before, so that only a folder the installer made is ever removed again.
bool MakeInstallFolder(const wchar_t* folder, bool everyLevel, bool* created);
