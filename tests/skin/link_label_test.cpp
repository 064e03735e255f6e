// The Link label: colours, measured hit area, messages and the hand cursor.
#include "skin/link_label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/skin/skin_test_support.h"

namespace {

const RECT kPlace = {40, 200, 0, 0};
const char kText[] = "Visit the help page";

class LinkLabelTest : public SkinWindowTest {
 protected:
  void SetUp() override {
    SkinWindowTest::SetUp();
    registry_.handCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
  }
  LinkLabel* Make(int command) {
    return new LinkLabel(&registry_, &kPlace, kText, command, "Help");
  }
  // Pixels of exactly the colour in the canvas: the underline is drawn solid.
  static int Count(const Canvas& canvas, COLORREF colour) {
    int count = 0;
    for (int x = 0; x < 300; ++x)
      for (int y = 190; y < 230; ++y)
        if (canvas.at(x, y) == colour) ++count;
    return count;
  }
};

TEST_F(LinkLabelTest, BlueUntilPressedThenPurpleAndTheTextColourEndsBlack) {
  LinkLabel* label = Make(1029);
  struct Case {
    int visited;
    COLORREF shown, absent;
  } cases[] = {{0, kLinkColour, kVisitedLinkColour}, {1, kVisitedLinkColour, kLinkColour}};
  for (const Case& c : cases) {
    label->visited = c.visited;
    Canvas canvas(kSkinWidth, kSkinHeight, 0xFFFFFF);
    SetTextColor(canvas.dc(), RGB(0, 255, 0));
    HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
    label->Paint(canvas.dc());
    EXPECT_GT(Count(canvas, c.shown), 20) << c.visited;
    EXPECT_EQ(Count(canvas, c.absent), 0) << c.visited;
    EXPECT_EQ(GetTextColor(canvas.dc()), 0u);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font) << "the font is put back";
  }
}

TEST_F(LinkLabelTest, TheHitAreaFollowsTheMeasuredText) {
  LinkLabel* label = Make(1029);
  // Until the first paint measures the text, the hit area is the single point of the place.
  EXPECT_EQ(Mouse(WM_LBUTTONDOWN, 40, 200), 1);
  EXPECT_EQ(Mouse(WM_LBUTTONDOWN, 41, 200), 0);

  Canvas canvas(kSkinWidth, kSkinHeight, 0xFFFFFF);
  label->Paint(canvas.dc());
  HDC measure = CreateCompatibleDC(nullptr);
  SelectObject(measure, registry_.underlinedFont);
  SIZE extent;
  GetTextExtentPoint32A(measure, kText, lstrlenA(kText), &extent);
  DeleteDC(measure);
  EXPECT_GT(extent.cx, 50);
  struct Case {
    int x, y, result;
  } cases[] = {{40, 200, 1},
               {40 + extent.cx, 200 + extent.cy, 1},
               {41 + extent.cx, 200, 0},
               {40, 201 + extent.cy, 0},
               {39, 205, 0}};
  for (const Case& c : cases) EXPECT_EQ(Mouse(WM_LBUTTONDOWN, c.x, c.y), c.result) << c.x;
}

TEST_F(LinkLabelTest, MessagesInsideFollowTheirTable) {
  struct Case {
    int command;
    UINT message;
    bool inside;
    int result;
    int visited;
    std::vector<int> commands;
  } cases[] = {
      {1029, WM_LBUTTONDOWN, true, 1, 1, {1029}}, {0, WM_LBUTTONDOWN, true, 1, 1, {}},
      {1029, WM_LBUTTONUP, true, 0, 0, {}},       {1029, WM_RBUTTONDOWN, true, 0, 0, {}},
      {1029, WM_LBUTTONDBLCLK, true, 0, 0, {}},   {1029, WM_MOUSEMOVE, true, 1, 0, {}},
      {1029, WM_LBUTTONDOWN, false, 0, 0, {}},    {1029, WM_MOUSEMOVE, false, 0, 0, {}},
  };
  for (const Case& c : cases) {
    registry_.controlCount = 0;
    LinkLabel* label = Make(c.command);
    EXPECT_EQ(Mouse(c.message, c.inside ? 40 : 30, 200), c.result) << std::hex << c.message;
    EXPECT_EQ(label->visited, c.visited) << std::hex << c.message;
    EXPECT_EQ(TakeCommands(), c.commands) << std::hex << c.message;
    delete label;
  }
  registry_.controlCount = 0;
}

TEST_F(LinkLabelTest, EveryPressPostsAgainAndVisitedStays) {
  LinkLabel* label = Make(1029);
  Mouse(WM_LBUTTONDOWN, 40, 200);
  Mouse(WM_LBUTTONDOWN, 40, 200);
  EXPECT_EQ(TakeCommands(), (std::vector<int>{1029, 1029}));
  EXPECT_EQ(label->visited, 1);
}

// The keyboard's and screen readers' press is the click that opens the help page.
TEST_F(LinkLabelTest, APressOfThePaintedLinkPostsItsCommand) {
  LinkLabel* label = Make(1029);
  InvalidateRect(window_, nullptr, FALSE);
  PumpPaint();  // measures the text
  screen_->PressControl(label);
  EXPECT_EQ(TakeCommands(), std::vector<int>{1029});
  EXPECT_EQ(label->visited, 1);
}

TEST_F(LinkLabelTest, AMoveOverTheLabelShowsTheHandAndStopsTheDispatch) {
  std::vector<int> log;
  Make(1029);
  new SpyControl(7, &log);
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));  // IDC_ARROW
  EXPECT_EQ(Mouse(WM_MOUSEMOVE, 40, 200), 1);
  EXPECT_EQ(GetCursor(), registry_.handCursor);
  EXPECT_TRUE(log.empty()) << "a later control never sees the claimed move";
  EXPECT_EQ(Mouse(WM_MOUSEMOVE, 30, 200), 0);
  EXPECT_EQ(log, std::vector<int>{7});
}

TEST_F(LinkLabelTest, TheTextIsCutToItsField) {
  std::string longText(100, 'L');
  LinkLabel* label = new LinkLabel(&registry_, &kPlace, longText.c_str(), 1029, nullptr);
  EXPECT_EQ(std::string(label->text), std::string(kLinkTextSize - 1, 'L'));
}

}  // namespace
