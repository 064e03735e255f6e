// Where the Setup window's parts stand, derived from the skin's size so that a larger skin moves
// the bottom row with its bottom and right edges.
#pragma once

#include <windows.h>

struct SetupLayout {
  int listMargin;   // left edge of the folder list and of the hover text
  POINT prompt;     // where the prompt text starts
  RECT folderList;  // left, top, width, height of the folder list while choosing
  RECT hoverText;   // left, top, right, bottom of the hover-text rectangle
};

SetupLayout MakeSetupLayout(int skinWidth, int skinHeight);

// Gives the window a client area of exactly width x height while keeping the client area's
// centre where it is.
void SizeClientAndCentre(HWND window, int width, int height);
