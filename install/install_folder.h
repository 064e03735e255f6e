// Making the folder that an install writes into.
#pragma once

// Enters the folder (a full path ending in a backslash) or, failing that, creates it: only its
// last level, or with everyLevel every missing level. False, with the Win32 error left for
// GetLastError, when it can be neither entered nor created.
bool MakeInstallFolder(const wchar_t* folder, bool everyLevel);
