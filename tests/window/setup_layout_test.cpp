// The Setup window's layout follows the skin's bottom and right edges, at every display scale.
#include "window/setup_layout.h"

#include <gtest/gtest.h>

namespace {

// The shipped skin's size; the end-to-end tests find the parts where this layout puts them.
const int kSkinWidth = 500, kSkinHeight = 292;

bool Inside(const RECT& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= width &&
         r.bottom <= height;
}

// A larger skin moves the bottom row with its bottom edge and the buttons with its right edge,
// widens the list and the hover text by as much, and leaves everything else where it was.
TEST(MakeSetupLayout, MovesBottomRowWithTheSkinEdges) {
  const SetupLayout base = MakeSetupLayout(kSkinWidth, kSkinHeight);
  const SIZE growths[] = {{0, 0}, {100, 50}, {1, 0}, {0, 1}, {300, 7}};
  for (const SIZE& grow : growths) {
    SCOPED_TRACE(testing::Message() << grow.cx << " x " << grow.cy);
    const SetupLayout layout = MakeSetupLayout(kSkinWidth + grow.cx, kSkinHeight + grow.cy);
    EXPECT_EQ(layout.prompt.x, base.prompt.x);
    EXPECT_EQ(layout.prompt.y, base.prompt.y + grow.cy);
    EXPECT_EQ(layout.folderList.x, base.folderList.x);
    EXPECT_EQ(layout.folderList.y, base.folderList.y + grow.cy);
    EXPECT_EQ(layout.folderList.width, base.folderList.width + grow.cx);
    EXPECT_EQ(layout.folderList.height, base.folderList.height);
    EXPECT_EQ(layout.textRight, base.textRight + grow.cx);
    EXPECT_EQ(layout.hoverText.left, base.hoverText.left);
    EXPECT_EQ(layout.hoverText.right, base.hoverText.right + grow.cx);
    EXPECT_EQ(layout.hoverText.top, base.hoverText.top + grow.cy);
    EXPECT_EQ(layout.hoverText.bottom, base.hoverText.bottom + grow.cy);
    EXPECT_EQ(layout.buttonTop, base.buttonTop + grow.cy);
    EXPECT_EQ(layout.cancelLeft, base.cancelLeft + grow.cx);
    EXPECT_EQ(layout.installLeft, base.installLeft + grow.cx);
    EXPECT_EQ(layout.finishLeft, base.finishLeft + grow.cx);
  }
}

// On the shipped skin every part lies on the skin, the prompt above the list, and Install left
// of Cancel.
TEST(MakeSetupLayout, KeepsThePartsOnTheSkinInOrder) {
  const SetupLayout layout = MakeSetupLayout(kSkinWidth, kSkinHeight);
  const RECT list = {layout.folderList.x, layout.folderList.y,
                     layout.folderList.x + layout.folderList.width,
                     layout.folderList.y + layout.folderList.height};
  EXPECT_TRUE(Inside(list, kSkinWidth, kSkinHeight));
  EXPECT_LE(layout.hoverText.right, kSkinWidth);
  EXPECT_LT(layout.hoverText.top, kSkinHeight);
  EXPECT_LT(layout.prompt.y, layout.folderList.y);
  EXPECT_LT(layout.folderList.y, layout.buttonTop);
  EXPECT_LT(layout.installLeft, layout.cancelLeft);
  EXPECT_LE(layout.textRight, kSkinWidth);
  EXPECT_LT(layout.buttonTop, kSkinHeight);
  EXPECT_LT(layout.cancelLeft, kSkinWidth);
  EXPECT_LT(layout.finishLeft, kSkinWidth);
}

// At a display scale every fixed place is its 100 % place scaled, and the bottom row stands at its
// scaled distances from the scaled skin's edges (within a pixel of rounding).
TEST(MakeSetupLayout, ScalesEveryPlaceWithTheDisplay) {
  const SetupLayout base = MakeSetupLayout(kSkinWidth, kSkinHeight);
  for (int dpi : {120, 144, 192}) {
    SCOPED_TRACE(dpi);
    const int width = ScaleToDpi(kSkinWidth, dpi);
    const int height = ScaleToDpi(kSkinHeight, dpi);
    const SetupLayout layout = MakeSetupLayout(width, height, dpi);
    const auto scaled = [dpi](int value, int unscaled) {
      const int off = value - ScaleToDpi(unscaled, dpi);
      return off >= -1 && off <= 1;
    };
    EXPECT_TRUE(scaled(layout.prompt.x, base.prompt.x));
    EXPECT_TRUE(scaled(height - layout.prompt.y, kSkinHeight - base.prompt.y));
    EXPECT_TRUE(scaled(layout.folderList.x, base.folderList.x));
    EXPECT_TRUE(scaled(height - layout.folderList.y, kSkinHeight - base.folderList.y));
    EXPECT_TRUE(scaled(layout.folderList.width, base.folderList.width));
    EXPECT_TRUE(scaled(layout.hoverText.right, base.hoverText.right));
    EXPECT_TRUE(scaled(height - layout.hoverText.top, kSkinHeight - base.hoverText.top));
    EXPECT_TRUE(scaled(height - layout.buttonTop, kSkinHeight - base.buttonTop));
    EXPECT_TRUE(scaled(width - layout.cancelLeft, kSkinWidth - base.cancelLeft));
    EXPECT_TRUE(scaled(width - layout.installLeft, kSkinWidth - base.installLeft));
    EXPECT_TRUE(scaled(width - layout.finishLeft, kSkinWidth - base.finishLeft));
    EXPECT_EQ(layout.helpLink.x, ScaleToDpi(base.helpLink.x, dpi));
    EXPECT_EQ(layout.checkArea.left, ScaleToDpi(base.checkArea.left, dpi));
    EXPECT_EQ(layout.checkArea.top, ScaleToDpi(base.checkArea.top, dpi));
    EXPECT_EQ(layout.checkLabelOffsets >> 16, 0x8000u + ScaleToDpi(20, dpi));
    EXPECT_EQ(layout.completionText.y, ScaleToDpi(base.completionText.y, dpi));
    EXPECT_EQ(layout.completionLineHeight, ScaleToDpi(base.completionLineHeight, dpi));
    EXPECT_EQ(layout.folderListOutOfSight.y, ScaleToDpi(base.folderListOutOfSight.y, dpi));
  }
}

TEST(SizeClientAndCentre, FramedWindowKeepsItsClientCentre) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 101, 77, 300,
                                200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  RECT before;
  GetClientRect(window, &before);
  POINT centreBefore = {before.right / 2, before.bottom / 2};
  ClientToScreen(window, &centreBefore);

  SizeClientAndCentre(window, 500, 292);

  RECT after;
  GetClientRect(window, &after);
  EXPECT_EQ(after.right, 500);
  EXPECT_EQ(after.bottom, 292);
  POINT centreAfter = {250, 146};
  ClientToScreen(window, &centreAfter);
  EXPECT_NEAR(centreAfter.x, centreBefore.x, 1);
  EXPECT_NEAR(centreAfter.y, centreBefore.y, 1);
  DestroyWindow(window);
}

}  // namespace
