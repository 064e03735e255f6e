// Opening a web page as the signed-in user, never with the installer's administrator rights.
#pragma once

#include <windows.h>

// True when the process runs with an elevated token, or when that cannot be told.
bool ProcessIsElevated();

// Opens address with the shell's "open" verb. An elevated process asks the desktop's shell, which
// runs as the signed-in user, to open it; when that cannot be done nothing is opened, rather than
// a browser (or whatever is registered for web addresses) with administrator rights.
void OpenAsSignedInUser(HWND owner, const wchar_t* address);
