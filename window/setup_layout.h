// Where the Setup window's parts stand: every layout value of the window, named here. The bottom
// row follows the skin's bottom and right edges, so that a larger skin moves it; the rest stands
// at fixed places. RECTs are left, top, right, bottom; Placement is what MoveWindow takes. The
// values below are 100 % pixels; a layout holds them at the display scale it was made for.
#pragma once

#include <windows.h>

#include "skin/dpi_scale.h"

struct Placement {
  int x;
  int y;
  int width;
  int height;
};

// Fixed places.
const int kListMargin = 16;  // left edge of the folder list, and the prompt's and hover text's base
const int kFolderListHeight = 10;
const int kPromptIndent = 4;  // the prompt and the hover text stand this far right of the margin
const POINT kHelpLinkPosition = {300, 20};
const POINT kLogoPosition = {6, 6};
// The plug-in check's frame stands at the area's top-left corner; a hidden check covers the whole
// area with the skin.
const Placement kCheckBoxArea = {290, 100, 310, 112};
const int kCheckLabelRightOfFrame = 20;
const POINT kCompletionTextOrigin = {274, 100};
const int kCompletionLineHeight = 16;
// Once the installation is complete the folder list is moved out of sight, not hidden.
const Placement kFolderListOutOfSight = {kListMargin, 1000, 50, kFolderListHeight};
// Where the hover text goes until the layout is known.
const RECT kProvisionalHoverText = {0, 0, 100, 20};

// The bottom row: buttons at these distances from the skin's right edge, and everything at these
// heights above its bottom edge.
const int kCancelFromRight = 63;
const int kInstallFromRight = 125;
const int kFinishFromRight = 65;
const int kButtonsAboveBottom = 21;
const int kFolderListAboveBottom = 60;
const int kPromptAboveFolderList = 26;
const int kHoverTextAboveBottom = 19;
const int kHoverTextHeight = 20;
const int kHoverTextShortOfListEnd = 130;  // it ends this far left of the folder list's end

struct SetupLayout {
  POINT prompt;           // where the prompt text starts
  int textRight;          // where the lines of painted text end, for screen readers
  Placement folderList;   // the folder list while choosing
  RECT hoverText;         // the hover-text rectangle
  int buttonTop;
  int cancelLeft;
  int installLeft;
  int finishLeft;
  // The fixed places.
  POINT helpLink;
  POINT logo;
  RECT checkArea;  // kCheckBoxArea, as the check reads it: left, top, width, height
  unsigned checkLabelOffsets;  // the label's packed offset from the frame, as the check reads it
  POINT completionText;
  int completionLineHeight;
  Placement folderListOutOfSight;
};

// The layout on a skin of the given size (in pixels at dpi) for the display scale of dpi.
SetupLayout MakeSetupLayout(int skinWidth, int skinHeight, int dpi = kBaseDpi);

// Gives the window a client area of exactly width x height while keeping the client area's
// centre where it is.
void SizeClientAndCentre(HWND window, int width, int height);
