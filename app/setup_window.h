// The Setup window: the installer's one modal dialog.
#pragma once

#include <windows.h>

const int kFolderListId = 1033;
const int kFocusButtonId = 1034;

// Posted by the skinned controls with their command number in wParam.
const UINT kControlCommandMessage = WM_USER + 0x100;
const WPARAM kCancelCommand = 2;      // Cancel and Finish buttons
const WPARAM kHelpKeyCommand = 215;   // the window's own answer to F1: nothing
const WPARAM kInstallCommand = 219;   // Install button
const WPARAM kHelpLinkCommand = 1029; // help link

INT_PTR CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the Setup window from template "main" until it ends. 0 once it has run (it always ends
// with 0); non-zero when it could not be created.
INT_PTR RunSetupWindow(HINSTANCE instance);
