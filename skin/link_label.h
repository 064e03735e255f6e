// The Link label: one line of underlined text that acts as a hyperlink.
#pragma once

#include "skin/control.h"

const int kLinkTextSize = 60;
const COLORREF kLinkColour = 0xFF0000;         // blue
const COLORREF kVisitedLinkColour = 0x800080;  // purple

class LinkLabel : public Control {
 public:
  // Only the position's left and top are used.
  LinkLabel(ControlRegistry* registry, const RECT* position, const char* text, int command,
            const char* hoverText);

  int OnMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Draws the text whatever the shown flag says, and measures it for the hit test.
  void Paint(HDC dc) override;
  RECT Bounds() const override { return textRect; }

  bool visited;
  RECT textRect;  // a single point until the first paint
  char text[kLinkTextSize];
};
