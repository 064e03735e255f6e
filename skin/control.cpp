// The Control base shared by the Bitmap button, the Multi-state check and the Link label.
#include "skin/control.h"

#include "text/bounded_text.h"

namespace {

const int kHoverWorkSize = 200;

}  // namespace

Control::Control(ControlRegistry* registry, const char* hoverText)
    : hoverState(0), command(0), registry(registry), registered_(false), active_(true),
      shown_(true), erased_(false) {
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

void Control::Show(bool show) {
  SetShownAndActive(show, show);
  Repaint();
}

void Control::SetShownAndActive(bool shown, bool active) {
  // Only a hidden control can have covered itself with the skin.
  if (shown) erased_ = false;
  shown_ = shown;
  active_ = active;
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
