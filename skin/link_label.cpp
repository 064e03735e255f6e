// The Link label: blue until clicked, purple afterwards, hand cursor over it.
#include "skin/link_label.h"

#include "text/bounded_text.h"
#include "win32/handle_guards.h"

LinkLabel::LinkLabel(ControlRegistry* registry, const RECT* position, const char* text,
                     int command, const char* hoverText)
    : Control(registry, hoverText), visited(false),
      textRect{position->left, position->top, position->left, position->top} {
  CopyField(this->text, sizeof this->text, text);
  this->command = command;
}

void LinkLabel::Paint(HDC dc) {
  SelectGuard font(dc, registry->underlinedFont);
  COLORREF colour = visited ? kVisitedLinkColour : kLinkColour;
  if (registry->systemColours) colour = GetSysColor(COLOR_HOTLIGHT);
  SetTextColor(dc, colour);
  PutText(dc, textRect.left, textRect.top, text);
  SetTextColor(dc, TextColour(*registry));
  textRect = TextBounds(dc, textRect.left, textRect.top, text);
}

int LinkLabel::OnMouse(HWND window, UINT message, WPARAM, LPARAM lParam) {
  UINT number = message & 0xFFFF;
  if (!PointInside(textRect.left, textRect.top, textRect.right, textRect.bottom, lParam)) {
    if (number == WM_MOUSEMOVE) ShowHoverText(0);
    return 0;
  }
  switch (number) {
    case WM_MOUSEMOVE:
      ShowHoverText(1);
      SetCursor(registry->handCursor);
      return 1;
    case WM_LBUTTONDOWN:
      visited = true;
      PostCommand(window, command);
      return 1;
    default:
      return 0;
  }
}
