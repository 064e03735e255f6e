// Shared helpers of the skin tests: pixel canvases, patterns, a real window with a Screen, a
// control that records what it is offered, and the commands posted to a window.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/control.h"
#include "skin/screen.h"

// A distinct, never white colour for each pixel of a pattern; seed tells patterns apart.
COLORREF PatternColour(int x, int y, int seed);
void FillPattern(HDC dc, int width, int height, int seed);

// A top-down 24-bit DIB in a memory device context: exact pixels to draw on and read back.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
  // Number of pixels in the rectangle whose colour differs from colour.
  int CountOther(RECT rect, COLORREF colour) const;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

// Ids of blank images: the low 16 bits name no resource of the tests.
inline unsigned BlankId(int width, int height, unsigned tag = 0) {
  return static_cast<unsigned>(width) | (static_cast<unsigned>(height) << 16) | (tag << 10);
}

// The tests' Control registry, as the installer's start-up keeps its own; every test case runs
// in a process of its own, so it starts zero-filled.
extern ControlRegistry g_testRegistry;

const int kSkinWidth = 500;
const int kSkinHeight = 292;
const unsigned kSkinId = 500u | (292u << 16);  // a blank 500 x 292 image, painted with seed 1
const int kSkinSeed = 1;

// The test's registry-bound Screen on a real popup window of the skin's size. The window
// offers every message to DispatchMouse and paints through the Screen on WM_PAINT.
class SkinWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Pixel of the window as shown on the display.
  COLORREF WindowPixel(int x, int y) const;
  // Number of window pixels in the rectangle that are not the skin's: what was drawn over it.
  int PixelsOffSkin(const RECT& rect) const;
  // Runs the window's queue until it is empty; commands are left queued.
  void PumpPaint();
  // Commands posted to the window so far, in order; they are taken off the queue.
  std::vector<int> TakeCommands();
  // Offers a mouse message at (x, y) through DispatchMouse.
  int Mouse(UINT message, int x, int y);
  // Makes images of an id share a pattern: acquires it, paints it, and keeps the reference.
  BitmapImage* PaintedImage(unsigned id, int seed);
  // Gives back the references PaintedImage kept. A device context of theirs that lives on after
  // this is still held by someone else.
  void ReleaseKeptImages();

  HWND window_ = nullptr;
  Screen* screen_ = nullptr;
  ControlRegistry& registry_ = g_testRegistry;
  std::vector<BitmapImage*> keptImages_;
};

// Records what it is offered; claims messages when told to.
class SpyControl : public Control {
 public:
  SpyControl(int id, std::vector<int>* log, int claims = 0)
      : Control(&g_testRegistry, nullptr), id_(id), log_(log), claims_(claims) {}
  int OnMouse(HWND, UINT, WPARAM, LPARAM) override {
    log_->push_back(id_);
    dcDuringMouse = registry->paintDc;
    return claims_;
  }
  void Paint(HDC dc) override {
    log_->push_back(-id_);
    lastPaintDc = dc;
  }
  RECT Bounds() const override { return bounds; }
  HDC dcDuringMouse = nullptr;
  HDC lastPaintDc = nullptr;
  RECT bounds = {0, 0, 0, 0};

 private:
  int id_;
  std::vector<int>* log_;
  int claims_;
};
