// The display scale: the DPI of the monitor a window is on, and 100 % pixel sizes scaled to it.
#pragma once

#include <windows.h>

const int kBaseDpi = 96;  // 100 %

// A size in 100 % pixels at dpi, to the nearest pixel (halves away from zero). A DPI not known
// yet (0, a Control registry that no Screen has set up) counts as 100 %.
int ScaleToDpi(int value, int dpi);

// The DPI of the monitor the window is on. Before Windows 10 (1607) there is no per-window DPI:
// the system DPI, which the process sees as it is because its manifest declares it aware.
int WindowDpi(HWND window);
