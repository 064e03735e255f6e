// The Multi-state check on a real window: value tables, wrap, setter, hit rectangle, frames,
// modes and the grid picker.
#include "skin/multi_state_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/grid_picker.h"
#include "tests/skin/skin_test_support.h"

namespace {

const unsigned kStripId = BlankId(52, 13);  // four 13 x 13 frames
const unsigned kGridId = BlankId(104, 52);  // eight 26 x 26 cells in rows of four
const int kStripSeed = 6;
const int kGridSeed = 8;
const RECT kPlace = {290, 100, 310, 112};  // left, top, width, height
const unsigned kLabelOffsets = 0x80148000;  // 20 right, 0 up
const int kCommand = 2000;

class CheckTest : public SkinWindowTest {
 protected:
  void SetUp() override {
    SkinWindowTest::SetUp();
    strip_ = PaintedImage(kStripId, kStripSeed);
    grid_ = PaintedImage(kGridId, kGridSeed);
  }
  MultiStateCheck* Make(int maximum, int modes = 0, unsigned stripId = kStripId,
                        const RECT& place = kPlace) {
    return new MultiStateCheck(&registry_, &place, stripId, kLabelOffsets, "Glimmerion plug-in",
                               0, maximum, "Select to install Glimmerion filter", kCommand, modes,
                               "Glimmerion");
  }
  // Window pixels of the hit rectangle that differ from strip frame v.
  int FrameMismatches(int v) {
    int wrong = 0;
    for (int c = 0; c < 13; ++c)
      for (int r = 0; r < 13; r += 3)
        if (WindowPixel(290 + c, 100 + r) != GetPixel(strip_->dc, 13 * v + c, r)) ++wrong;
    return wrong;
  }
  struct Row {
    int value;
    UINT message;
    bool inside;
    int newValue;
    bool posts;
    int result;
  };
  // Offers each row's message inside or outside the hit rectangle with the check at the row's value.
  void RunRows(MultiStateCheck* check, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      SCOPED_TRACE(testing::Message() << row.value << " " << std::hex << row.message);
      check->value = row.value;
      EXPECT_EQ(Mouse(row.message, row.inside ? 296 : 304, 106), row.result);
      EXPECT_EQ(check->value, row.newValue);
      EXPECT_EQ(TakeCommands(), row.posts ? std::vector<int>{kCommand} : std::vector<int>{});
    }
  }
  BitmapImage* strip_ = nullptr;
  BitmapImage* grid_ = nullptr;
};

TEST_F(CheckTest, ACyclingCheckStepsOnPressesAndPostsOnReleases) {
  MultiStateCheck* check = Make(-3);
  RunRows(check,
          {
              {0, WM_LBUTTONDOWN, true, 1, false, 1},  {1, WM_LBUTTONUP, true, 2, true, 1},
              {2, WM_LBUTTONDOWN, true, 3, false, 1},  {3, WM_LBUTTONUP, true, 0, true, 1},
              {0, WM_RBUTTONDOWN, true, 3, false, 1},  {3, WM_RBUTTONUP, true, 2, true, 1},
              {2, WM_RBUTTONDOWN, true, 1, false, 1},  {1, WM_RBUTTONUP, true, 0, true, 1},
              {1, WM_MOUSEMOVE, false, 0, false, 0},   {3, WM_LBUTTONDOWN, false, 2, false, 0},
              {1, WM_LBUTTONUP, false, 0, false, 0},   {0, WM_LBUTTONUP, true, 0, false, 0},
              {2, WM_RBUTTONUP, true, 2, false, 0},    {0, WM_LBUTTONDBLCLK, true, 0, false, 0},
              {0, WM_MBUTTONDOWN, true, 0, false, 0},  {2, WM_MOUSEMOVE, true, 2, false, 0},
              {1, WM_RBUTTONUP, true, 0, true, 1},  // a left press undone by a right release
          });
}

TEST_F(CheckTest, ANonCyclingCheckPostsOnEveryPressAndWraps) {
  MultiStateCheck* check = Make(3);
  RunRows(check,
          {
              {0, WM_LBUTTONDOWN, true, 1, true, 1}, {1, WM_LBUTTONDOWN, true, 2, true, 1},
              {2, WM_LBUTTONDOWN, true, 3, true, 1}, {3, WM_LBUTTONDOWN, true, 0, true, 1},
              {0, WM_RBUTTONDOWN, true, 3, true, 1}, {1, WM_LBUTTONUP, true, 1, false, 0},
              {1, WM_MOUSEMOVE, false, 1, false, 0},
          });
}

TEST_F(CheckTest, TheWrapTestsTheLowerEndAgainstZero) {
  RECT place = kPlace;
  MultiStateCheck* check = new MultiStateCheck(&registry_, &place, kStripId, kLabelOffsets, "",
                                               2, 3, nullptr, kCommand, 0, nullptr);
  check->value = 3;
  Mouse(WM_LBUTTONDOWN, 296, 106);
  EXPECT_EQ(check->value, 2) << "above the maximum wraps to the minimum";
  check->value = 0;
  Mouse(WM_RBUTTONDOWN, 296, 106);
  EXPECT_EQ(check->value, 3) << "below 0, not below the minimum, wraps to the maximum";
}

TEST_F(CheckTest, TheSetterClampsAndTheQueryCountsFromTheMinimum) {
  struct Case {
    int initial, maximum, set, value, query;
  } cases[] = {
      {0, 3, 7, 3, 3}, {0, 3, -2, 0, 0}, {0, -3, 2, 2, 2}, {1, 5, 1, 2, 1}, {1, 5, 9, 5, 4},
  };
  for (const Case& c : cases) {
    MultiStateCheck* check = new MultiStateCheck(&registry_, &kPlace, kStripId, kLabelOffsets,
                                                 "", c.initial, c.maximum, nullptr, 0, 0, nullptr);
    check->SetValue(c.set);
    EXPECT_EQ(check->value, c.value) << c.initial << " " << c.set;
    EXPECT_EQ(check->GetValue(), c.query) << c.initial << " " << c.set;
  }
}

TEST_F(CheckTest, ConstructionReadsTheRectangleAsPositionAndSize) {
  MultiStateCheck* check = Make(-3);
  RECT hit = {290, 100, 303, 113}, area = {290, 100, 600, 212};
  EXPECT_TRUE(EqualRect(&check->hitRect, &hit));
  EXPECT_TRUE(EqualRect(&check->areaRect, &area));
  EXPECT_EQ(check->labelOffsetX, 20);
  EXPECT_EQ(check->labelOffsetY, 0);
  RECT wide = {290, 100, 316, 113}, cell = {290, 100, 316, 126};
  EXPECT_TRUE(EqualRect(&Make(-3, MultiStateCheck::kDoubleWidth)->hitRect, &wide));
  EXPECT_TRUE(EqualRect(&Make(7, MultiStateCheck::kGrid, kGridId)->hitRect, &cell));
}

TEST_F(CheckTest, TheHitRectangleIncludesItsRightAndBottomEdges) {
  MultiStateCheck* check = Make(-3);
  struct Case {
    int x, y, inside;
  } cases[] = {{290, 100, 1}, {303, 113, 1}, {303, 100, 1}, {304, 100, 0},
               {289, 105, 0}, {295, 99, 0},  {295, 114, 0}};
  for (const Case& c : cases) {
    check->value = 0;
    EXPECT_EQ(Mouse(WM_LBUTTONDOWN, c.x, c.y), c.inside) << c.x << "," << c.y;
    EXPECT_EQ(check->value, c.inside) << c.x << "," << c.y;
  }
}

TEST_F(CheckTest, EachStepShowsItsFrameAndTheLabel) {
  MultiStateCheck* check = Make(-3);
  InvalidateRect(window_, nullptr, FALSE);
  PumpPaint();
  EXPECT_EQ(FrameMismatches(0), 0);
  EXPECT_GT(PixelsOffSkin(RECT{310, 100, 400, 113}), 30) << "the label";

  Mouse(WM_LBUTTONDOWN, 296, 106);
  EXPECT_EQ(FrameMismatches(1), 0);
  Mouse(WM_MOUSEMOVE, 10, 10);
  EXPECT_EQ(FrameMismatches(0), 0) << "leaving returns to the stable frame";
  check->value = 4;  // past the strip's four frames
  check->Repaint();
  EXPECT_EQ(FrameMismatches(0), 0) << "a value without a frame paints nothing";
  check->value = -1;  // written directly by an owner
  check->Repaint();
  EXPECT_EQ(FrameMismatches(0), 0) << "nor does a value below the strip";
}

TEST_F(CheckTest, ModesChooseHowTheFrameIsCopied) {
  SetPixelV(strip_->dc, 13 + 2, 3, 0xFFFFFF);
  auto source = [&](int x, int y) { return GetPixel(strip_->dc, x, y); };
  struct Case {
    int modes;
    int frameWidth;
    bool transposed;
    bool whiteShowsSkin;
  } cases[] = {
      {0, 13, false, false},
      {MultiStateCheck::kTransposed, 13, true, false},
      {MultiStateCheck::kTransparent, 13, false, true},
      {MultiStateCheck::kTransparent | MultiStateCheck::kTransposed, 13, true, false},
      {MultiStateCheck::kDoubleWidth, 26, false, false},
  };
  for (const Case& c : cases) {
    MultiStateCheck* check = Make(-1, c.modes);
    check->value = 1;
    check->label[0] = '\0';  // it would overlap a double-width frame
    Canvas canvas(kSkinWidth, kSkinHeight, RGB(1, 2, 3));
    check->Paint(canvas.dc());
    int wrong = 0;
    for (int dx = 0; dx < c.frameWidth; ++dx)
      for (int dy = 0; dy < 13; ++dy) {
        int sx = c.transposed ? c.frameWidth + dy : c.frameWidth + dx;
        int sy = c.transposed ? dx : dy;
        COLORREF expected = source(sx, sy);
        if (c.whiteShowsSkin && expected == 0xFFFFFF)
          expected = PatternColour(290 + dx, 100 + dy, kSkinSeed);
        if (canvas.at(290 + dx, 100 + dy) != expected) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << "modes " << c.modes;
  }
}

TEST_F(CheckTest, AHiddenCheckCoversItsAreaWithTheSkin) {
  MultiStateCheck* check = Make(-3);
  Canvas canvas(kSkinWidth + 200, kSkinHeight, RGB(1, 2, 3));
  check->SetShownAndActive(false, false);
  check->Paint(canvas.dc());
  EXPECT_EQ(canvas.at(290, 100), PatternColour(290, 100, kSkinSeed));
  EXPECT_EQ(canvas.at(599, 211), PatternColour(599 % kSkinWidth, 211, kSkinSeed));
  EXPECT_EQ(canvas.at(600, 211), RGB(1, 2, 3));
}

TEST_F(CheckTest, AnInertCheckHoldsARawValueOnly) {
  MultiStateCheck* check = Make(-3, MultiStateCheck::kInert);
  EXPECT_STREQ(check->key, "Glimmerion");
  check->SetValue(-5);
  EXPECT_EQ(check->value, -5);
  EXPECT_EQ(check->GetValue(), -5);
  EXPECT_EQ(Mouse(WM_LBUTTONDOWN, 0, 0), 0);
  EXPECT_EQ(check->value, -5);
  Canvas canvas(50, 50, RGB(1, 2, 3));
  check->Paint(canvas.dc());
  EXPECT_EQ(canvas.CountOther(RECT{0, 0, 50, 50}, RGB(1, 2, 3)), 0);
}

TEST_F(CheckTest, KeyAndLabelAreCutToTheirFields) {
  std::string longText(100, 'k');
  MultiStateCheck* check =
      new MultiStateCheck(&registry_, &kPlace, kStripId, kLabelOffsets, longText.c_str(), 0, -3,
                          nullptr, kCommand, 0, longText.c_str());
  EXPECT_EQ(std::string(check->key), std::string(kCheckTextSize - 1, 'k'));
  EXPECT_EQ(std::string(check->label), std::string(kCheckTextSize - 1, 'k'));
}

TEST_F(CheckTest, DestructionReleasesTheStrip) {
  Make(-3);
  Make(-3);
  HDC stripDc = keptImages_[0]->dc;
  delete screen_;
  screen_ = nullptr;
  ReleaseKeptImages();
  EXPECT_EQ(GetObjectType(stripDc), 0u) << "no check still holds the strip";
}

TEST_F(CheckTest, GridModeShowsTheCellOfTheValueAndRightPressPostsTheNextCommand) {
  RECT place = {300, 150, 0, 0};
  MultiStateCheck* check = Make(7, MultiStateCheck::kGrid, kGridId, place);
  check->value = 5;
  Canvas canvas(kSkinWidth, kSkinHeight, RGB(1, 2, 3));
  check->Paint(canvas.dc());
  EXPECT_EQ(canvas.at(300, 150), GetPixel(grid_->dc, 26, 26));
  EXPECT_EQ(canvas.at(325, 175), GetPixel(grid_->dc, 51, 51));
  EXPECT_EQ(canvas.at(326, 150), RGB(1, 2, 3));

  EXPECT_EQ(Mouse(WM_RBUTTONDOWN, 310, 160), 0);
  EXPECT_EQ(TakeCommands(), std::vector<int>{kCommand + 1});
  EXPECT_EQ(Mouse(WM_LBUTTONUP, 310, 160), 0);
  EXPECT_EQ(Mouse(WM_RBUTTONUP, 310, 160), 0);
  EXPECT_EQ(check->value, 5);
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(CheckTest, ARecordedGridChoiceMapsToACell) {
  RECT place = {300, 150, 0, 0};
  MultiStateCheck* check = Make(6, MultiStateCheck::kGrid, kGridId, place);
  struct Case {
    int x, y, value;
    int dpi = kBaseDpi;
  } cases[] = {{20, 12, 0},  {110, 12, 2}, {150, 50, 7 - 1}, {9, 5, 0},
               {3, 2, 0},    {196, 12, 3}, {60, 45, 5},
               // The popup of a 200 % window: every step twice as long.
               {220, 24, 2, 192}, {122, 90, 5, 192}};
  registry_.paintDc = GetDC(window_);
  for (const Case& c : cases) {
    registry_.dpi = c.dpi;
    EXPECT_EQ(check->TakeGridChoice(window_, MAKELPARAM(c.x, c.y)), 1);
    EXPECT_EQ(check->value, c.value) << c.x << "," << c.y << " at " << c.dpi;
  }
  registry_.dpi = kBaseDpi;
  check->value = 2;
  EXPECT_EQ(check->TakeGridChoice(window_, 0), 0);
  EXPECT_EQ(check->value, 2);
  ReleaseDC(window_, registry_.paintDc);
  registry_.paintDc = nullptr;
  EXPECT_EQ(TakeCommands().size(), 9u);
}

// Drives the grid picker from a thread timer that its modal loop dispatches.
struct PickerDriver {
  HWND owner;
  LPARAM release;  // 0: close with a right press instead
  int ticks = 0;
  RECT popupRect = {};
  COLORREF firstCell = CLR_INVALID;
};
PickerDriver* g_driver;

BOOL CALLBACK MatchPopup(HWND window, LPARAM found) {
  if (GetWindow(window, GW_OWNER) != g_driver->owner || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND FindPopup() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), MatchPopup, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK DrivePicker(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindPopup();
  if (!popup) return;
  ++g_driver->ticks;
  if (g_driver->ticks == 1) {
    // The Setup window paints while the picker is open.
    InvalidateRect(g_driver->owner, nullptr, FALSE);
    UpdateWindow(g_driver->owner);
    return;
  }
  GetWindowRect(popup, &g_driver->popupRect);
  HDC dc = GetDC(popup);
  g_driver->firstCell = GetPixel(dc, 18, 10);
  ReleaseDC(popup, dc);
  KillTimer(nullptr, timer);
  if (g_driver->release)
    PostMessageA(popup, WM_LBUTTONUP, 0, g_driver->release);
  else
    PostMessageA(popup, WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
}

TEST_F(CheckTest, TheGridPickerSetsTheChosenCellAndKeepsThePaintDeviceContext) {
  RECT place = {300, 150, 0, 0};
  MultiStateCheck* check = Make(7, MultiStateCheck::kGrid, kGridId, place);
  struct Case {
    LPARAM release;
    int result;
    int value;
    std::vector<int> commands;
  } cases[] = {
      {MAKELPARAM(9 + 44 * 2 + 10, 5 + 36 + 10), 1, 6, {kCommand}},
      {0, 0, 6, {}},
  };
  for (const Case& c : cases) {
    PickerDriver driver{window_, c.release};
    g_driver = &driver;
    SetTimer(nullptr, 0, 150, DrivePicker);
    EXPECT_EQ(Mouse(WM_LBUTTONDOWN, 310, 160), c.result);
    EXPECT_EQ(check->value, c.value);
    EXPECT_EQ(TakeCommands(), c.commands);
    EXPECT_EQ(registry_.paintDc, nullptr);
    int height = GridPickerHeight(7);
    EXPECT_EQ(height, 86);
    EXPECT_EQ(GridPickerHeight(7, 192), 2 * 86);
    RECT expected = {299 - kGridPickerWidth, 149 - height, 299, 149};
    EXPECT_TRUE(EqualRect(&driver.popupRect, &expected))
        << driver.popupRect.left << "," << driver.popupRect.top << ","
        << driver.popupRect.right << "," << driver.popupRect.bottom;
    EXPECT_EQ(driver.firstCell, GetPixel(grid_->dc, 0, 0)) << "the picker shows cell 0 first";
    // The cell shown is the value's, painted after the picker through the dispatch's device
    // context although the Setup window painted meanwhile.
    EXPECT_EQ(WindowPixel(300, 150), GetPixel(grid_->dc, 52, 26));
    EXPECT_EQ(WindowPixel(325, 175), GetPixel(grid_->dc, 77, 51));
  }
}

}  // namespace
