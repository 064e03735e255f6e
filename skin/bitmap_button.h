// The Bitmap button: a push button drawn from one or two bitmaps over the skin.
#pragma once

#include "skin/control.h"

const int kCaptionSize = 60;

class BitmapButton : public Control {
 public:
  // rect: its left and top place the image; its right and bottom are the bounds only when there
  // is no normal image. Id 0 means no image. Equal ids make the pressed look the normal picture
  // moved one pixel right and down. caption and captionRect (x and y offsets from the image,
  // width, height) come together or are both null.
  BitmapButton(ControlRegistry* registry, const RECT* rect, unsigned normalId,
               unsigned pressedId, int command, const char* hoverText, const char* caption,
               const RECT* captionRect);
  ~BitmapButton() override;

  int OnMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc) override;
  RECT Bounds() const override { return bounds; }

  enum PressState { kIdle = 0, kPressed = 1, kClicked = 3 };

  BitmapImage* normalImage;   // owned, may be null
  BitmapImage* pressedImage;  // owned, may be null
  int pressState;
  int imageLeft;
  int imageTop;
  RECT bounds;
  char caption[kCaptionSize];
  RECT captionRect;
  bool directDraw;  // Paint sets the normal image's pixels straight onto the target
  int pressShift;

 private:
  // Exclusive: the bounds' edges are outside.
  bool HitTest(LPARAM lParam) const;
  void DrawLook(bool pressed);
  void PaintCaption(HDC dc);
};
