// The grid picker: a popup that shows every cell of a grid-mode check and reports the one
// the user releases the left button on.
#pragma once

#include <windows.h>

#include "skin/dpi_scale.h"

class MultiStateCheck;

// In 100 % pixels; the popup is drawn at the DPI of the check's registry.
const int kGridPickerWidth = 198;
const int kGridPickerColumns = 4;
const int kGridPickerColumnStep = 44;
const int kGridPickerRowStep = 36;
// Cell (c, r) is drawn from (44c + 18, 36r + 10), its number from (44c + 4, 36r + 12).
const int kGridPickerCellLeft = 18;
const int kGridPickerCellTop = 10;
const int kGridPickerNumberLeft = 4;
const int kGridPickerNumberTop = 12;
// A choice is read from (9, 5): the popup's column and row boundaries as the user sees them.
const int kGridPickerCellX = 9;
const int kGridPickerCellY = 5;
// The popup is one row step high for each row of cells above the last one, and this much more.
const int kGridPickerLastRowHeight = 50;

// Runs the popup modally, owned by the window. Returns the lParam of the left-button release
// that chose a cell (popup client coordinates), or 0 when it was closed without a choice.
LPARAM RunGridPicker(MultiStateCheck* check, HWND owner);

int GridPickerHeight(int maximum, int dpi = kBaseDpi);
