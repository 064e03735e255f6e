// The Setup window across a change of display scale: what the user did to the skinned controls
// is kept while they are made again at the new DPI, and the window takes the place Windows
// suggests for it.
#pragma once

#include <windows.h>

#include "skin/screen.h"
#include "window/setup_controls.h"

struct ControlMemory {
  int checkValue;
  bool linkVisited;
  int focusedSlot;  // -1: no skinned control has the keyboard focus
};

ControlMemory RememberControls(const SetupControls& controls, const Screen& screen);
// For controls made anew: the remembered values, the state's flags and the keyboard focus.
void RestoreControls(SetupControls& controls, Screen& screen, const ControlMemory& memory,
                     bool completed);

// Moves the window by as little as it takes to lie on its monitor's work area, as far as it fits.
void KeepOnWorkArea(HWND window);

// Gives the window a client area of exactly width x height, its top-left corner staying.
void SizeClientInPlace(HWND window, int width, int height);
