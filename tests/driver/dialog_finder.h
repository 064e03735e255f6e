// Finding a process's dialog windows (class #32770) from a test.
#pragma once

#include <windows.h>

// A visible dialog of the process whose caption is caption (any caption when null) and, when item
// is not 0, that holds a control with that id; or null.
HWND FindVisibleDialog(DWORD processId, const char* caption, int item = 0);
