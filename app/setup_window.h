// The Setup window: the installer's one modal dialog.
#pragma once

#include <windows.h>

#include "skin/screen.h"

const int kFolderListId = 1033;
const int kFocusButtonId = 1034;
const WPARAM kHelpKeyCommand = 215;  // the window's own answer to F1: nothing

// The dialog procedure. The creation parameter is the Screen (not owned) that draws the window;
// it must be bound to g_controlRegistry.
INT_PTR CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the Setup window from template "main" until it ends. 0 once it has run (it always ends
// with 0); non-zero when it could not be created or could not make its skin and controls.
INT_PTR RunSetupWindow(HINSTANCE instance, Screen* screen);
