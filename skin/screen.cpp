// The Screen: paints the tiled skin and the shown controls, and hands mouse messages to the
// registered controls.
#include "skin/screen.h"

#include <utility>

#include "skin/control.h"
#include "skin/dpi_scale.h"
#include "text/bounded_text.h"

namespace {

const UINT kFirstMouseMessage = 0x200;  // WM_MOUSEMOVE
const UINT kLastMouseMessage = 0x209;   // WM_MBUTTONDBLCLK; the wheel is not dispatched
const DWORD kPaintDelayMs = 50;
const char kFontFace[] = "MS Sans Serif";
const int kFontHeight = 13;
const int kCursorSize = 32;

}  // namespace

Screen::Screen(ControlRegistry* registry, HINSTANCE instance)
    : registry_(registry), paint_(), textHeight_(kFontHeight), cursorId_(0),
      paintDcBeforePaint_(nullptr) {
  CopyField(textFace_, sizeof textFace_, kFontFace);
  registry_->instance = instance;
  registry_->dpi = kBaseDpi;
  registry_->controlCount = 0;
  registry_->skin = nullptr;
  registry_->paintDc = nullptr;
  registry_->backBufferDc = nullptr;
  registry_->textFont = nullptr;
  registry_->underlinedFont = nullptr;
  registry_->systemColours = false;
}

Screen::~Screen() {
  DeleteBitmapImage(registry_->skin);
  registry_->backBufferDc = nullptr;
  DestroyControls();
}

void Screen::DestroyControls() {
  for (int i = 0; i < registry_->controlCount; ++i) delete registry_->controls[i];
  registry_->controlCount = 0;
}

void Screen::SetUp(HWND window, unsigned skinId, unsigned cursorId, const RECT* hoverTextRect) {
  registry_->window = window;
  const int fontHeight = ScaleToDpi(kFontHeight, registry_->dpi);
  if (!textFont_.get()) textFont_.reset(CreateTextFont(kFontFace, fontHeight, false));
  if (!underlinedFont_.get()) underlinedFont_.reset(CreateTextFont(kFontFace, fontHeight, true));
  registry_->textFont = textFont_.get();
  registry_->underlinedFont = underlinedFont_.get();
  cursorId_ = cursorId;
  if (!registry_->handCursor) LoadHandCursor();
  if (hoverTextRect)
    registry_->hoverTextRect = *hoverTextRect;
  else
    SetRect(&registry_->hoverTextRect, 0, 0, 0, 0);

  // A repeated SetUp replaces the back buffer and the skin; the old ones are freed, not leaked.
  DeleteBitmapImage(registry_->skin);
  CreateBackBuffer(window);
  if (registry_->paintDc) {
    registry_->skin =
        NewBitmapImage(registry_->instance, registry_->paintDc, skinId, registry_->dpi);
  } else {
    WindowDc windowDc(window);
    registry_->skin = NewBitmapImage(registry_->instance, windowDc.get(), skinId, registry_->dpi);
  }
}

void Screen::LoadHandCursor() {
  const int dpi = registry_->dpi;
  const LPCSTR name = MAKEINTRESOURCEA(cursorId_ & 0xFFFF);
  // The cursor group holds a picture for each drawn scale; Windows picks the nearest size.
  HCURSOR scaled = nullptr;
  if (dpi != kBaseDpi) {
    const int size = ScaleToDpi(kCursorSize, dpi);
    scaled =
        static_cast<HCURSOR>(LoadImageA(registry_->instance, name, IMAGE_CURSOR, size, size, 0));
  }
  registry_->handCursor = scaled ? scaled : LoadCursorA(registry_->instance, name);
  scaledCursor_.reset(scaled);
}

void Screen::SetDpi(int dpi) {
  if (dpi == registry_->dpi) return;
  registry_->dpi = dpi;
  if (textFont_.get()) {
    char face[LF_FACESIZE];
    CopyField(face, sizeof face, textFace_);
    SwitchTextFont(face, textHeight_);
  }
  if (underlinedFont_.get()) {
    underlinedFont_.reset(CreateTextFont(kFontFace, ScaleToDpi(kFontHeight, dpi), true));
    registry_->underlinedFont = underlinedFont_.get();
  }
  if (registry_->handCursor) LoadHandCursor();
}

void Screen::CreateBackBuffer(HWND window) {
  // The extent is the window's lower-right corner in client coordinates.
  RECT frame;
  GetWindowRect(window, &frame);
  POINT corner = {frame.right, frame.bottom};
  ScreenToClient(window, &corner);

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
  if (textFont_.get()) SelectObject(backBufferDc.get(), textFont_.get());
  SetBkMode(backBufferDc.get(), TRANSPARENT);

  // The old device context goes first, which takes the old bitmap out of it.
  backBufferDc_ = std::move(backBufferDc);
  backBuffer_ = std::move(backBuffer);
  registry_->backBufferDc = backBufferDc_.get();
}

void Screen::SwitchTextFont(const char* faceName, int height) {
  HFONT font = CreateTextFont(faceName, ScaleToDpi(height, registry_->dpi), false);
  if (!font) return;
  CopyField(textFace_, sizeof textFace_, faceName);
  textHeight_ = height;
  // The back buffer lets go of the old font before it is deleted.
  if (backBufferDc_.get()) SelectObject(backBufferDc_.get(), font);
  textFont_.reset(font);
  registry_->textFont = font;
}

HDC Screen::BeginScreenPaint() {
  Sleep(kPaintDelayMs);
  BeginPaint(registry_->window, &paint_);
  // A paint inside a control's nested modal loop (the grid picker) runs while DispatchMouse
  // holds the paint device context; that one is put back by EndScreenPaint.
  paintDcBeforePaint_ = registry_->paintDc;
  paintDc_.Borrow(registry_->window);
  registry_->paintDc = paintDc_.get();
  PrepareControlDc(*registry_, registry_->paintDc);
  return registry_->paintDc;
}

void Screen::PaintScreen() {
  if (registry_->skin) registry_->skin->TileBitmap(registry_->paintDc, paint_.rcPaint);
  for (int i = 0; i < registry_->controlCount; ++i) {
    Control* control = registry_->controls[i];
    if (!control->shown()) continue;
    control->Paint(registry_->paintDc);
    if (control->focused()) control->PaintFocusMark(registry_->paintDc);
  }
}

void Screen::DrawScreenText(int x, int y, const char* text) {
  if (registry_->paintDc) PutText(registry_->paintDc, x, y, text);
}

void Screen::EndScreenPaint() {
  paintDc_.reset();
  registry_->paintDc = paintDcBeforePaint_;
  paintDcBeforePaint_ = nullptr;
  EndPaint(registry_->window, &paint_);
}

int Screen::DispatchMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  UINT number = message & 0xFFFF;
  if (number < kFirstMouseMessage || number > kLastMouseMessage) return 0;
  if (registry_->controlCount <= 0) return 0;
  if (number == WM_LBUTTONDOWN || number == WM_RBUTTONDOWN) FocusControl(nullptr, false);

  LentPaintDc dc(*registry_, window);
  int claimed = 0;
  for (int i = 0; i < registry_->controlCount && !claimed; ++i) {
    Control* control = registry_->controls[i];
    if (control->active() && control->OnMouse(window, message, wParam, lParam)) claimed = 1;
  }
  return claimed;
}

Control* Screen::FocusedControl() const {
  for (int i = 0; i < registry_->controlCount; ++i) {
    if (registry_->controls[i]->focused()) return registry_->controls[i];
  }
  return nullptr;
}

void Screen::FocusControl(Control* control, bool marked) {
  Control* previous = FocusedControl();
  if (previous && previous != control) previous->SetFocused(false, false);
  if (control) control->SetFocused(true, marked);
}

void Screen::PressControl(Control* control) {
  LentPaintDc dc(*registry_, registry_->window);
  control->Press(registry_->window);
}

LentPaintDc::LentPaintDc(ControlRegistry& registry, HWND window)
    : registry_(registry), outerDc_(registry.paintDc), dc_(window) {
  PrepareControlDc(registry, dc_.get());
  registry.paintDc = dc_.get();
}

void PrepareControlDc(const ControlRegistry& registry, HDC dc) {
  SelectObject(dc, registry.textFont);
  SetTextColor(dc, TextColour(registry));
  SetBkMode(dc, TRANSPARENT);
}

COLORREF TextColour(const ControlRegistry& registry) {
  return registry.systemColours ? GetSysColor(COLOR_WINDOWTEXT) : 0;
}

HFONT CreateTextFont(const char* faceName, int height, bool underline) {
  LOGFONTA font = {};
  font.lfHeight = height;
  font.lfUnderline = underline;
  CopyField(font.lfFaceName, sizeof font.lfFaceName, faceName);
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

RECT TextBounds(HDC dc, int x, int y, const char* text) {
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
  return RECT{x, y, x + extent.cx, y + extent.cy};
}

BOOL CopyFromBackBuffer(HDC target, HDC backBufferDc, const RECT& rect) {
  return BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                backBufferDc, rect.left, rect.top, SRCCOPY);
}
