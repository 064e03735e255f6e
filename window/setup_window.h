// The Setup window: the installer's one modal dialog.
#pragma once

#include <windows.h>

#include "skin/screen.h"

// The dialog procedure. The creation parameter is the Screen (not owned) that draws the window;
// the window reaches the Control registry only through it.
INT_PTR CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the Setup window from template "main" until it ends. 0 once it has run (it always ends
// with 0); non-zero when it could not be created or could not make its skin and controls.
INT_PTR RunSetupWindow(HINSTANCE instance, Screen* screen);
