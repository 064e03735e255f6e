// The Control base shared by the Bitmap button, the Multi-state check and the Link label.
#include "skin/control.h"

#include "skin/gdi_guards.h"

COLORREF g_hoverTextColour;

namespace {

const int kHoverWorkSize = 200;

}  // namespace

void CopyField(char* field, int fieldSize, const char* text) {
  if (text)
    lstrcpynA(field, text, fieldSize);
  else
    field[0] = '\0';
}

Control::Control(ControlRegistry* registry, const char* hoverText)
    : active(1), shown(1), erased(0), hoverState(0), command(0), registry(registry),
      registered_(false) {
  if (registry->controlCount >= 0 && registry->controlCount < kMaxControls) {
    registry->controls[registry->controlCount++] = this;
    registered_ = true;
  }
  CopyField(this->hoverText, sizeof this->hoverText, hoverText);
}

int Control::SpareQueryA() { return 0; }
int Control::GetValue() { return 0; }
int Control::SpareQueryB() { return 0; }
int Control::SpareQueryC() { return 0; }
void Control::SetValue(int) {}
Control::~Control() {}

void Control::Show(int show) {
  if (show) {
    erased = 0;
    shown = 1;
    active = 1;
  } else {
    shown = 0;
    active = 0;
  }
  Repaint();
}

void Control::Repaint() {
  if (erased) return;
  if (registry->paintDc) {
    Paint(registry->paintDc);
  } else {
    WindowDc dc(registry->window);
    SelectObject(dc.get(), g_textFont);
    SetBkMode(dc.get(), TRANSPARENT);
    Paint(dc.get());
  }
  if (!shown) erased = 1;
}

void Control::ShowHoverText(int state) {
  if (state == hoverState) return;
  if (hoverText[0] == '\0') return;
  const RECT& rect = registry->hoverTextRect;
  HDC backBufferDc = registry->backBufferDc;
  if (registry->skin) registry->skin->TileBitmap(backBufferDc, rect);
  SetTextColor(backBufferDc, g_hoverTextColour);

  char work[kHoverWorkSize];
  const char* separator = nullptr;
  for (const char* p = hoverText; *p && !separator; ++p)
    if (*p == kHoverTextSeparator) separator = p;
  if (state == 1) {
    int length = separator ? static_cast<int>(separator - hoverText) : lstrlenA(hoverText);
    lstrcpynA(work, hoverText, length + 1);
  } else if (state == 2) {
    // Without a separator there is no second part: the rectangle is cleared.
    CopyField(work, sizeof work, separator ? separator + 1 : "");
  }
  if (state == 1 || state == 2) PutText(backBufferDc, rect.left, rect.top, work);
  CopyFromBackBuffer(registry->paintDc, backBufferDc, rect);
  hoverState = state;
}

int Control::PointInside(int left, int top, int right, int bottom, LPARAM lParam) {
  int x = LOWORD(lParam);
  int y = HIWORD(lParam);
  return left <= x && x <= right && top <= y && y <= bottom;
}

void Control::PostCommand(HWND window, int number) const {
  if (number != 0) PostMessageA(window, WM_CONTROL_COMMAND, static_cast<WPARAM>(number), 0);
}
