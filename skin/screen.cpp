// The Screen: paints the tiled skin and the shown controls, and hands mouse messages to the
// registered controls.
#include "skin/screen.h"

#include "skin/control.h"
#include "skin/gdi_guards.h"

ControlRegistry g_controlRegistry;
HFONT g_textFont;
HFONT g_underlinedFont;
HCURSOR g_handCursor;

namespace {

const UINT kFirstMouseMessage = 0x200;  // WM_MOUSEMOVE
const UINT kLastMouseMessage = 0x209;   // WM_MBUTTONDBLCLK; the wheel is not dispatched
const DWORD kPaintDelayMs = 50;

// Readies a device context of the window for controls: the text font, transparent text.
void PrepareControlDc(HDC dc) {
  SelectObject(dc, g_textFont);
  SetBkMode(dc, TRANSPARENT);
}

}  // namespace

Screen::Screen(ControlRegistry* registry, HINSTANCE instance)
    : registry_(registry), paint_(), backBufferExtent_(), backBuffer_(nullptr),
      paintDcBeforePaint_(nullptr) {
  registry_->instance = instance;
  registry_->controlCount = 0;
  registry_->skin = nullptr;
  registry_->paintDc = nullptr;
  registry_->backBufferDc = nullptr;
}

Screen::~Screen() {
  DeleteBitmapImage(registry_->skin);
  if (registry_->backBufferDc) DeleteDC(registry_->backBufferDc);
  registry_->backBufferDc = nullptr;
  if (backBuffer_) DeleteObject(backBuffer_);
  for (int i = 0; i < registry_->controlCount; ++i) delete registry_->controls[i];
}

void Screen::SetUp(HWND window, unsigned skinId, unsigned cursorId, const RECT* hoverTextRect) {
  registry_->window = window;
  if (!g_textFont) g_textFont = CreateTextFont("MS Sans Serif", 13, 0);
  if (!g_underlinedFont) g_underlinedFont = CreateTextFont("MS Sans Serif", 13, 1);
  if (!g_handCursor)
    g_handCursor = LoadCursorA(registry_->instance, MAKEINTRESOURCEA(cursorId & 0xFFFF));
  if (hoverTextRect)
    registry_->hoverTextRect = *hoverTextRect;
  else
    SetRect(&registry_->hoverTextRect, 0, 0, 0, 0);

  // A repeated SetUp replaces the back buffer and the skin; the old ones are freed, not leaked.
  DeleteBitmapImage(registry_->skin);
  CreateBackBuffer(window);
  if (registry_->paintDc) {
    registry_->skin = NewBitmapImage(registry_->instance, registry_->paintDc, skinId);
  } else {
    WindowDc windowDc(window);
    registry_->skin = NewBitmapImage(registry_->instance, windowDc.get(), skinId);
  }
}

void Screen::CreateBackBuffer(HWND window) {
  GetWindowRect(window, &backBufferExtent_);
  backBufferExtent_.left = 0;
  backBufferExtent_.top = 0;
  POINT corner = {backBufferExtent_.right, backBufferExtent_.bottom};
  ScreenToClient(window, &corner);
  backBufferExtent_.right = corner.x;
  backBufferExtent_.bottom = corner.y;

  WindowDc windowDc(window);
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = corner.x;
  header.biHeight = -corner.y;  // top-down
  header.biPlanes = 1;
  header.biBitCount = 24;
  GdiObject<HBITMAP> backBuffer(CreateDIBitmap(windowDc.get(), &header, 0, nullptr,
                                               reinterpret_cast<const BITMAPINFO*>(&header),
                                               DIB_RGB_COLORS));
  MemDc backBufferDc(CreateCompatibleDC(windowDc.get()));
  SelectObject(backBufferDc.get(), backBuffer.get());
  if (g_textFont) SelectObject(backBufferDc.get(), g_textFont);
  SetBkMode(backBufferDc.get(), TRANSPARENT);

  if (registry_->backBufferDc) DeleteDC(registry_->backBufferDc);
  if (backBuffer_) DeleteObject(backBuffer_);
  registry_->backBufferDc = backBufferDc.release();
  backBuffer_ = backBuffer.release();
}

HDC Screen::BeginScreenPaint() {
  Sleep(kPaintDelayMs);
  BeginPaint(registry_->window, &paint_);
  // A paint inside a control's nested modal loop (the grid picker) runs while DispatchMouse
  // holds the paint device context; that one is put back by EndScreenPaint.
  paintDcBeforePaint_ = registry_->paintDc;
  registry_->paintDc = GetDC(registry_->window);
  PrepareControlDc(registry_->paintDc);
  return registry_->paintDc;
}

void Screen::PaintScreen() {
  if (registry_->skin) registry_->skin->TileBitmap(registry_->paintDc, paint_.rcPaint);
  for (int i = 0; i < registry_->controlCount; ++i) {
    Control* control = registry_->controls[i];
    if (control->shown) control->Paint(registry_->paintDc);
  }
}

void Screen::DrawScreenText(int x, int y, const char* text) {
  if (registry_->paintDc) PutText(registry_->paintDc, x, y, text);
}

void Screen::EndScreenPaint() {
  ReleaseDC(registry_->window, registry_->paintDc);
  registry_->paintDc = paintDcBeforePaint_;
  paintDcBeforePaint_ = nullptr;
  EndPaint(registry_->window, &paint_);
}

int Screen::DispatchMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  UINT number = message & 0xFFFF;
  if (number < kFirstMouseMessage || number > kLastMouseMessage) return 0;
  if (registry_->controlCount <= 0) return 0;

  HDC outerDc = registry_->paintDc;
  HDC dc = GetDC(window);
  PrepareControlDc(dc);
  registry_->paintDc = dc;
  int claimed = 0;
  for (int i = 0; i < registry_->controlCount && !claimed; ++i) {
    Control* control = registry_->controls[i];
    if (control->active && control->OnMouse(window, message, wParam, lParam)) claimed = 1;
  }
  ReleaseDC(window, dc);
  registry_->paintDc = outerDc;
  return claimed;
}

HFONT CreateTextFont(const char* faceName, int height, int underline) {
  LOGFONTA font = {};
  font.lfHeight = height;
  font.lfUnderline = static_cast<BYTE>(underline);
  lstrcpynA(font.lfFaceName, faceName, LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

RECT MakeRect(RECT* rect, int x, int y, int width, int height) {
  int left = static_cast<short>(x);
  int top = static_cast<short>(y);
  rect->left = left;
  rect->top = top;
  rect->right = left + static_cast<short>(width);
  rect->bottom = top + static_cast<short>(height);
  return *rect;
}

void PutText(HDC dc, int x, int y, const char* text) { TextOutA(dc, x, y, text, lstrlenA(text)); }

BOOL CopyFromBackBuffer(HDC target, HDC backBufferDc, const RECT& rect) {
  return BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                backBufferDc, rect.left, rect.top, SRCCOPY);
}
