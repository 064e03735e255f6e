// The folder list's answer to screen readers: the stock combo box's standard object is named by
// the chosen entry, so the list hands WM_GETOBJECT for its client area to the Setup window.
#pragma once

#include <windows.h>

// What the window answers for the list's client area; 0 leaves the request to the combo box.
using ListObjectAnswer = LRESULT (*)(WPARAM flags);

// Subclasses the list (one at a time) so that the answer serves its client area.
void AnswerForFolderList(HWND list, ListObjectAnswer answer);
