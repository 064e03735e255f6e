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

// At a display scale the fixed places are their 100 % places scaled, and the bottom row stands at
// its scaled distances from the scaled skin's edges (the end-to-end tests at 144 and 192 DPI find
// the buttons, the check box, the prompt and the hover text there).
TEST(MakeSetupLayout, ScalesTheFixedPlacesAndTheBottomRowsDistances) {
  const SetupLayout base = MakeSetupLayout(kSkinWidth, kSkinHeight);
  const SetupLayout layout = MakeSetupLayout(750, 438, 144);
  EXPECT_EQ(layout.helpLink.x, 450);
  EXPECT_EQ(layout.completionText.y, 150);
  EXPECT_EQ(layout.completionLineHeight, 24);
  EXPECT_EQ(layout.checkLabelOffsets >> 16, 0x8000u + 30);
  EXPECT_EQ(layout.folderListOutOfSight.y, 1500);
  EXPECT_EQ(438 - layout.folderList.y, ScaleToDpi(kSkinHeight - base.folderList.y, 144));
  EXPECT_EQ(750 - layout.finishLeft, ScaleToDpi(kSkinWidth - base.finishLeft, 144));
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
