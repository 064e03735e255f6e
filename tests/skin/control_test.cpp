// The Control base: registration, show and repaint, hover text and the point test.
#include "skin/control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/skin/skin_test_support.h"
#include "text/bounded_text.h"

namespace {

class ControlTest : public SkinWindowTest {
 protected:
  void SetUp() override {
    SkinWindowTest::SetUp();
    registry_.hoverTextColour = 0xFFFFFF;  // the skin pattern never holds pure white
  }
  // Rightmost column of the hover-text rectangle that is not the skin, or -1.
  int HoverTextRightEdge() const {
    const RECT& r = registry_.hoverTextRect;
    for (int x = r.right - 1; x >= r.left; --x)
      if (PixelsOffSkin(RECT{x, r.top, x + 1, r.bottom}) > 0) return x;
    return -1;
  }
  // Covers the hover-text rectangle of the window with black.
  void BlackenHoverRect() {
    HDC dc = GetDC(window_);
    FillRect(dc, &registry_.hoverTextRect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(window_, dc);
  }
  // Runs f while the registry holds a device context of the window, as DispatchMouse does.
  template <typename F>
  void WithPaintDc(F f) {
    registry_.paintDc = GetDC(window_);
    f();
    ReleaseDC(window_, registry_.paintDc);
    registry_.paintDc = nullptr;
  }
};

TEST_F(ControlTest, ShowHideAndRepaintPaintAHiddenControlOnce) {
  std::vector<int> log;
  SpyControl* spy = new SpyControl(1, &log);
  struct Step {
    const char* action;
    int paints;  // paints caused by the step
    bool shown, active;
  } steps[] = {
      {"hide", 1, false, false},   {"repaint", 0, false, false}, {"hide", 0, false, false},
      {"show", 1, true, true},     {"repaint", 1, true, true},   {"show", 1, true, true},
  };
  for (const Step& s : steps) {
    log.clear();
    std::string action = s.action;
    if (action == "hide") spy->Show(false);
    if (action == "show") spy->Show(true);
    if (action == "repaint") spy->Repaint();
    EXPECT_EQ(static_cast<int>(log.size()), s.paints) << action;
    EXPECT_EQ(spy->shown(), s.shown) << action;
    EXPECT_EQ(spy->active(), s.active) << action;
  }
}

TEST_F(ControlTest, RepaintUsesTheHeldPaintDeviceContextOrTakesItsOwn) {
  std::vector<int> log;
  SpyControl* spy = new SpyControl(1, &log);
  spy->Repaint();
  EXPECT_NE(spy->lastPaintDc, nullptr);
  EXPECT_EQ(registry_.paintDc, nullptr);
  WithPaintDc([&] {
    spy->Repaint();
    EXPECT_EQ(spy->lastPaintDc, registry_.paintDc);
  });
}

TEST_F(ControlTest, HoverTextStatesShowThePartsAroundTheFirstSeparator) {
  struct Step {
    int state;
    bool drawsText;
    bool wide;  // the wide first part rather than the narrow second
  };
  struct Case {
    const char* text;
    std::vector<Step> steps;
  } cases[] = {
      {"WWWWWWWW@ii", {{1, true, true}, {2, true, false}, {0, false, false}}},
      {"ii@WWWWWWWW@ii", {{2, true, true}, {1, true, false}}},  // the rest keeps later '@'s
      {"WWWWWWWW", {{1, true, true}, {2, false, false}}},
      {"@WWWWWWWW", {{1, false, false}, {2, true, true}}},
  };
  for (const Case& c : cases) {
    registry_.controlCount = 0;
    std::vector<int> log;
    SpyControl spy(1, &log);
    CopyField(spy.hoverText, sizeof spy.hoverText, c.text);
    for (const Step& s : c.steps) {
      WithPaintDc([&] { spy.ShowHoverText(s.state); });
      EXPECT_EQ(spy.hoverState, s.state) << c.text;
      int right = HoverTextRightEdge();
      if (!s.drawsText)
        EXPECT_EQ(right, -1) << c.text << " state " << s.state;
      else if (s.wide)
        EXPECT_GT(right, 40) << c.text << " state " << s.state;
      else
        EXPECT_TRUE(right >= 0 && right < 20) << c.text << " state " << s.state << ": " << right;
    }
  }
  registry_.controlCount = 0;
}

TEST_F(ControlTest, HoverTextDrawsOnlyOnAChangeOfState) {
  std::vector<int> log;
  SpyControl* spy = new SpyControl(1, &log);
  CopyField(spy->hoverText, sizeof spy->hoverText, "Select");
  WithPaintDc([&] { spy->ShowHoverText(1); });
  BlackenHoverRect();
  WithPaintDc([&] { spy->ShowHoverText(1); });
  EXPECT_EQ(WindowPixel(60, 5), RGB(0, 0, 0)) << "the same state draws nothing";
  WithPaintDc([&] { spy->ShowHoverText(0); });
  EXPECT_EQ(HoverTextRightEdge(), -1);
}

TEST_F(ControlTest, AnEmptyOrNullHoverTextNeverTouchesTheRectangle) {
  struct Named : SpyControl {
    Named(std::vector<int>* log, const char* text) : SpyControl(1, log) {
      CopyField(hoverText, sizeof hoverText, text);
    }
  };
  std::vector<int> log;
  for (const char* text : {static_cast<const char*>(nullptr), ""}) {
    Named* control = new Named(&log, text);
    EXPECT_STREQ(control->hoverText, "");
    BlackenHoverRect();
    for (int state : {1, 2, 0, 1}) {
      WithPaintDc([&] { control->ShowHoverText(state); });
      EXPECT_EQ(control->hoverState, 0);
    }
    EXPECT_EQ(WindowPixel(50, 10), RGB(0, 0, 0));
  }
}

TEST(PointInside, EveryEdgeBelongsToTheRectangle) {
  struct Case {
    int x, y;
    int inside;
  } cases[] = {
      {290, 100, 1}, {303, 113, 1}, {296, 106, 1}, {304, 100, 0},
      {289, 100, 0}, {290, 99, 0},  {290, 114, 0}, {303, 114, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Control::PointInside(290, 100, 303, 113, MAKELPARAM(c.x, c.y)), c.inside)
        << c.x << "," << c.y;
  // Coordinates are read unsigned: a point left of the window is far right instead.
  EXPECT_EQ(Control::PointInside(0, 0, 100, 100, MAKELPARAM(-1, 5)), 0);
  EXPECT_EQ(Control::PointInside(0, 0, 65535, 100, MAKELPARAM(-1, 5)), 1);
}

TEST_F(ControlTest, AHoverTextLongerThanItsFieldIsCut) {
  std::string text(200, 'q');
  // Constructed through the base so that the constructor's copy is the one tested.
  struct Direct : Control {
    explicit Direct(const char* text) : Control(&g_testRegistry, text) {}
    int OnMouse(HWND, UINT, WPARAM, LPARAM) override { return 0; }
    void Paint(HDC) override {}
  };
  Direct* control = new Direct(text.c_str());
  EXPECT_EQ(std::string(control->hoverText), std::string(kHoverTextSize - 1, 'q'));
}

}  // namespace
