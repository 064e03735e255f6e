// The Multi-state check: a check box whose value picks one frame of a bitmap strip.
#pragma once

#include "skin/control.h"

const int kCheckTextSize = 40;
const int kGridCellSize = 26;  // at 100 %
int GridCellSize(int dpi);

class MultiStateCheck : public Control {
 public:
  enum ModeBits {
    kPlainStrip = 0,   // opaque frames side by side, each as wide as the strip is high
    kTransposed = 1,   // frames are read with source rows and columns swapped
    kGrid = 2,         // 26 x 26 frames in rows of four, chosen in the grid picker
    kDoubleWidth = 4,  // a frame is twice as wide as the strip is high
    kTransparent = 8,  // white pixels of the frame show the skin
    kInert = 16,       // holds a raw value only; never paints, never takes the mouse
  };

  // rect: left, top, width, height. maximum > 0 gives a non-cycling check; 0 or less a cycling
  // one whose maximum is -maximum. labelOffsets: (x + 0x8000) << 16 | (0x8000 + y), where a
  // positive y moves the label up.
  MultiStateCheck(ControlRegistry* registry, const RECT* rect, unsigned stripId,
                  unsigned labelOffsets, const char* label, int initialValue, int maximum,
                  const char* hoverText, int command, int modes, const char* key);
  ~MultiStateCheck() override;

  int OnMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc) override;
  int GetValue() override;
  void SetValue(int newValue) override;
  // From the frame's top-left corner (so that Press clicks the frame) over the frame and, once
  // painted, the label beside or below it.
  RECT Bounds() const override;

  // Chooses the value picked in the grid picker (a point in its client area, x low and y high
  // 16 bits); 0 picks nothing and returns 0. Otherwise paints, posts and returns 1.
  int TakeGridChoice(HWND window, LPARAM choice);

  int value;  // raw frame number
  RECT hitRect;
  RECT areaRect;
  int modes;
  BitmapImage* strip;  // owned, may be null
  int minimum;
  int maximum;
  char key[kCheckTextSize];
  bool cycling;
  int labelOffsetX;
  int labelOffsetY;
  char label[kCheckTextSize];
  RECT labelRect;  // measured when the label is painted; empty before

 private:
  void Wrap();
  int Step(HWND window, int step, bool posts);
  void PaintGridCell(HDC dc);
};
