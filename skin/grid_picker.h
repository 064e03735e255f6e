// The grid picker: a popup that shows every cell of a grid-mode check and reports the one
// the user releases the left button on.
#pragma once

#include <windows.h>

class MultiStateCheck;

const int kGridPickerWidth = 198;
const int kGridPickerColumns = 4;
const int kGridPickerColumnStep = 44;  // cell c starts at 44c + 18; the choice counts from 9
const int kGridPickerRowStep = 36;     // cell r starts at 36r + 10; the choice counts from 5
const int kGridPickerCellX = 9;
const int kGridPickerCellY = 5;

// Runs the popup modally, owned by the window. Returns the lParam of the left-button release
// that chose a cell (popup client coordinates), or 0 when it was closed without a choice.
LPARAM RunGridPicker(MultiStateCheck* check, HWND owner);

int GridPickerHeight(int maximum);
