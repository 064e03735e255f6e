// The Setup window: the installer's one modal dialog.
#pragma once

#include <windows.h>

const int kFolderListId = 1033;
const int kFocusButtonId = 1034;

INT_PTR CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the Setup window from template "main" until it ends. 0 once it has run (it always ends
// with 0); non-zero when it could not be created.
INT_PTR RunSetupWindow(HINSTANCE instance);
