// The Control base shared by the Bitmap button, the Multi-state check and the Link label.
#include "skin/control.h"

#include "skin/dpi_scale.h"
#include "text/bounded_text.h"

namespace {

const int kHoverWorkSize = 200;

// Inverts every other pixel of the rectangle, as the system's dotted focus rectangle does, so
// that the mark shows on light and dark skin alike. (DrawFocusRect itself draws nothing visible
// under Wine: it XORs with the black window-text colour.)
void InvertDots(HDC dc, const RECT& rect) {
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      if ((x + y) % 2 == 0) SetPixel(dc, x, y, GetPixel(dc, x, y) ^ 0xFFFFFF);
    }
  }
}

}  // namespace

Control::Control(ControlRegistry* registry, const char* hoverText)
    : hoverState(0), command(0), registry(registry), registered_(false), active_(true),
      shown_(true), focused_(false), marked_(false), erased_(false) {
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
RECT Control::Bounds() const { return RECT{0, 0, 0, 0}; }

void Control::Show(bool show) {
  // The mark lies outside the bounds, which hiding covers with the skin.
  if (!show) SetFocused(false, false);
  SetShownAndActive(show, show);
  Repaint();
}

void Control::SetShownAndActive(bool shown, bool active) {
  // Only a hidden control can have covered itself with the skin.
  if (shown) erased_ = false;
  shown_ = shown;
  active_ = active;
  if (!active) focused_ = false;
}

void Control::SetFocused(bool focused, bool marked) {
  if (focused == focused_ && marked == marked_) return;
  focused_ = focused;
  marked_ = marked;
  WindowDc dc(registry->window);
  PaintFocusMark(dc.get());
}

void Control::PaintFocusMark(HDC dc) {
  // The mark is a ring just outside the bounds, where only the skin lies, so drawing and
  // removing it never touches the control. Each edge is made on the skin in the back buffer. The
  // ring is one or (in high contrast) two 100 % pixels wide.
  const RECT bounds = Bounds();
  const int width = ScaleToDpi(registry->systemColours ? 2 : 1, registry->dpi);
  const int left = bounds.left - width;
  const int right = bounds.right + width;
  const RECT edges[] = {{left, bounds.top - width, right, bounds.top},
                        {left, bounds.bottom, right, bounds.bottom + width},
                        {left, bounds.top, bounds.left, bounds.bottom},
                        {bounds.right, bounds.top, right, bounds.bottom}};
  HDC backBufferDc = registry->backBufferDc;
  for (const RECT& edge : edges) {
    if (registry->skin) registry->skin->TileBitmap(backBufferDc, edge);
    if (marked() && registry->systemColours)
      FillRect(backBufferDc, &edge, GetSysColorBrush(COLOR_HIGHLIGHT));
    else if (marked())
      InvertDots(backBufferDc, edge);
    CopyFromBackBuffer(dc, backBufferDc, edge);
  }
}

void Control::Repaint() {
  if (erased_) return;
  if (registry->paintDc) {
    Paint(registry->paintDc);
  } else {
    WindowDc dc(registry->window);
    PrepareControlDc(*registry, dc.get());
    Paint(dc.get());
  }
  if (!shown_) erased_ = true;
}

void Control::Press(HWND window) {
  const RECT bounds = Bounds();
  const LPARAM at = MAKELPARAM(bounds.left + 1, bounds.top + 1);
  OnMouse(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  OnMouse(window, WM_LBUTTONUP, 0, at);
}

void Control::ShowHoverText(int state) {
  if (state == hoverState) return;
  if (hoverText[0] == '\0') return;
  const RECT& rect = registry->hoverTextRect;
  HDC backBufferDc = registry->backBufferDc;
  if (registry->skin) registry->skin->TileBitmap(backBufferDc, rect);
  SetTextColor(backBufferDc, registry->hoverTextColour);

  char work[kHoverWorkSize];
  const char* separator = nullptr;
  for (const char* p = hoverText; *p && !separator; ++p)
    if (*p == kHoverTextSeparator) separator = p;
  if (state == 1) {
    // The first part is cut at its end; being part of the field, it fits the work buffer.
    int length = separator ? static_cast<int>(separator - hoverText) : lstrlenA(hoverText);
    CopyField(work, length + 1, hoverText);
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
