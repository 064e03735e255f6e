// The Bitmap button: pressed look while held, command posted on the release after a press.
#include "skin/bitmap_button.h"

#include "skin/dpi_scale.h"
#include "text/bounded_text.h"

BitmapButton::BitmapButton(ControlRegistry* registry, const RECT* rect, unsigned normalId,
                           unsigned pressedId, int command, const char* hoverText,
                           const char* caption, const RECT* captionRect)
    : Control(registry, hoverText), normalImage(nullptr), pressedImage(nullptr), pressState(kIdle),
      imageLeft(rect->left), imageTop(rect->top), bounds(*rect), captionRect(), directDraw(false),
      pressShift(0) {
  CopyField(this->caption, sizeof this->caption, caption);
  if (captionRect) {
    this->captionRect.left = rect->left + captionRect->left;
    this->captionRect.top = rect->top + captionRect->top;
    this->captionRect.right = this->captionRect.left + captionRect->right;
    this->captionRect.bottom = this->captionRect.top + captionRect->bottom;
  } else {
    // A caption without its rectangle has nowhere to go.
    this->caption[0] = '\0';
  }
  const int dpi = registry->dpi;
  if (normalId) normalImage = NewBitmapImage(registry->instance, registry->paintDc, normalId, dpi);
  if (pressedId)
    pressedImage = NewBitmapImage(registry->instance, registry->paintDc, pressedId, dpi);
  if (normalImage) {
    bounds.right = imageLeft + normalImage->width;
    bounds.bottom = imageTop + normalImage->height;
  }
  if (normalId == pressedId) {
    pressShift = ScaleToDpi(1, dpi);
    bounds.right += pressShift;
    bounds.bottom += pressShift;
  }
  this->command = command;
}

BitmapButton::~BitmapButton() {
  DeleteBitmapImage(pressedImage);
  DeleteBitmapImage(normalImage);
}

bool BitmapButton::HitTest(LPARAM lParam) const {
  int x = LOWORD(lParam);
  int y = HIWORD(lParam);
  return imageLeft < x && x < imageLeft + (bounds.right - bounds.left) && imageTop < y &&
         y < imageTop + (bounds.bottom - bounds.top);
}

int BitmapButton::OnMouse(HWND window, UINT message, WPARAM, LPARAM lParam) {
  switch (message & 0xFFFF) {
    case WM_MOUSEMOVE:
      if (HitTest(lParam)) {
        ShowHoverText(1);
        return 0;
      }
      if (pressState == kPressed) {
        DrawLook(false);
        pressState = kIdle;
      }
      ShowHoverText(0);
      return 0;
    case WM_LBUTTONDOWN:
      if (HitTest(lParam)) {
        DrawLook(true);
        pressState = kPressed;
      }
      return 0;
    case WM_LBUTTONUP:
      if (pressState != kPressed) {
        pressState = kIdle;
        return 0;
      }
      DrawLook(false);
      PostCommand(window, command);
      pressState = kClicked;
      return 1;
    default:
      return 0;
  }
}

void BitmapButton::DrawLook(bool pressed) {
  if (!normalImage || !pressedImage) return;
  HDC backBufferDc = registry->backBufferDc;
  if (registry->skin) registry->skin->TileBitmap(backBufferDc, bounds);
  if (pressed)
    pressedImage->DrawCentreOut(backBufferDc, imageLeft, imageTop, pressShift, pressShift);
  else
    normalImage->DrawCentreOut(backBufferDc, imageLeft, imageTop, 0, 0);
  CopyFromBackBuffer(registry->paintDc, backBufferDc, bounds);
  PaintCaption(registry->paintDc);
}

void BitmapButton::PaintCaption(HDC dc) {
  if (caption[0] == '\0') return;
  HDC backBufferDc = registry->backBufferDc;
  if (registry->skin) registry->skin->TileBitmap(backBufferDc, captionRect);
  PutText(backBufferDc, captionRect.left, captionRect.top, caption);
  CopyFromBackBuffer(dc, backBufferDc, captionRect);
}

void BitmapButton::Paint(HDC dc) {
  if (!shown()) {
    if (registry->skin) registry->skin->TileBitmap(dc, bounds);
  } else if (normalImage) {
    HDC backBufferDc = registry->backBufferDc;
    if (registry->skin) registry->skin->TileBitmap(backBufferDc, bounds);
    if (directDraw) {
      normalImage->DrawCentreOutDirect(dc, imageLeft, imageTop, 0, 0);
    } else {
      normalImage->DrawCentreOut(backBufferDc, imageLeft, imageTop, 0, 0);
      CopyFromBackBuffer(dc, backBufferDc, bounds);
    }
  }
  PaintCaption(dc);
}
