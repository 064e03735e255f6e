// The Setup window's layout follows the skin's bottom and right edges, at every display scale.
#include "window/setup_layout.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
  int skinWidth, skinHeight, dpi;
  POINT prompt;
  Placement folderList;
  RECT hoverText;
  int buttonTop, cancelLeft, installLeft, finishLeft;
};

const LayoutCase kLayoutCases[] = {
    {500, 292, 96, {20, 206}, {16, 232, 469, 10}, {20, 273, 355, 293}, 271, 437, 375, 435},
    {600, 342, 96, {20, 256}, {16, 282, 569, 10}, {20, 323, 455, 343}, 321, 537, 475, 535},
    // The 150 and 200 % skins: every distance scaled, halves rounded up.
    {750, 438, 144, {30, 309}, {24, 348, 704, 15}, {30, 409, 533, 439}, 406, 655, 562, 652},
    {1000, 584, 192, {40, 412}, {32, 464, 938, 20}, {40, 546, 710, 586}, 542, 874, 750, 870},
};

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(MakeSetupLayout, MovesBottomRowWithTheSkinEdges) {
  for (const LayoutCase& c : kLayoutCases) {
    SetupLayout layout = MakeSetupLayout(c.skinWidth, c.skinHeight, c.dpi);
    SCOPED_TRACE(c.skinWidth);
    EXPECT_EQ(layout.prompt.x, c.prompt.x);
    EXPECT_EQ(layout.prompt.y, c.prompt.y);
    EXPECT_EQ(layout.folderList.x, c.folderList.x);
    EXPECT_EQ(layout.folderList.y, c.folderList.y);
    EXPECT_EQ(layout.folderList.width, c.folderList.width);
    EXPECT_EQ(layout.folderList.height, c.folderList.height);
    EXPECT_TRUE(SameRect(layout.hoverText, c.hoverText));
    EXPECT_EQ(layout.buttonTop, c.buttonTop);
    EXPECT_EQ(layout.cancelLeft, c.cancelLeft);
    EXPECT_EQ(layout.installLeft, c.installLeft);
    EXPECT_EQ(layout.finishLeft, c.finishLeft);
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
