// The Bitmap button on a real window: press and release, hit test, looks and caption.
#include "skin/bitmap_button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/skin/skin_test_support.h"

namespace {

const unsigned kImageId = BlankId(58, 19);
const unsigned kPressedId = BlankId(58, 19, 1);
const int kNormalSeed = 4;
const int kPressedSeed = 5;
const RECT kPlace = {437, 271, 0, 0};

class BitmapButtonTest : public SkinWindowTest {
 protected:
  void SetUp() override {
    SkinWindowTest::SetUp();
    PaintedImage(kImageId, kNormalSeed);
    PaintedImage(kPressedId, kPressedSeed);
  }
  BitmapButton* Make(unsigned normal, unsigned pressed, int command) {
    return new BitmapButton(&registry_, &kPlace, normal, pressed, command, "Install", nullptr,
                            nullptr);
  }
  // Pixels of the window in the image's place that differ from the image drawn at (dx, dy).
  int LookMismatches(int dx, int dy, int seed) {
    int wrong = 0;
    for (int c = 0; c < 58; c += 3)
      for (int r = 0; r < 19; r += 2)
        if (WindowPixel(kPlace.left + dx + c, kPlace.top + dy + r) != PatternColour(c, r, seed))
          ++wrong;
    return wrong;
  }
};

struct Event {
  UINT message;
  int x, y;
  int result;
  int pressState;
};

TEST_F(BitmapButtonTest, PressReleaseAndMoveOutFollowTheirTable) {
  const std::vector<Event> click = {{WM_LBUTTONDOWN, 450, 280, 0, 1}, {WM_LBUTTONUP, 450, 280, 1, 3}};
  struct Case {
    const char* name;
    std::vector<Event> events;
    std::vector<int> commands;
    int command = 219;
    int active = 1;
  } cases[] = {
      {"click", click, {219}},
      {"command 0 completes the click silently", click, {}, 0},
      {"inactive",
       {{WM_LBUTTONDOWN, 450, 280, 0, 0}, {WM_LBUTTONUP, 450, 280, 0, 0}}, {}, 219, 0},
      {"release is not hit-tested",
       {{WM_LBUTTONDOWN, 450, 280, 0, 1}, {WM_LBUTTONUP, 10, 10, 1, 3}}, {219}},
      {"moving out cancels",
       {{WM_LBUTTONDOWN, 450, 280, 0, 1},
        {WM_MOUSEMOVE, 10, 10, 0, 0},
        {WM_MOUSEMOVE, 450, 280, 0, 0},
        {WM_LBUTTONUP, 450, 280, 0, 0}},
       {}},
      {"moving inside keeps the press",
       {{WM_LBUTTONDOWN, 450, 280, 0, 1}, {WM_MOUSEMOVE, 460, 285, 0, 1},
        {WM_LBUTTONUP, 460, 285, 1, 3}},
       {219}},
      {"release without press", {{WM_LBUTTONUP, 450, 280, 0, 0}}, {}},
      {"second release after a click",
       {{WM_LBUTTONDOWN, 450, 280, 0, 1}, {WM_LBUTTONUP, 450, 280, 1, 3},
        {WM_LBUTTONUP, 450, 280, 0, 0}},
       {219}},
      {"press outside", {{WM_LBUTTONDOWN, 437, 280, 0, 0}, {WM_LBUTTONUP, 437, 280, 0, 0}}, {}},
      {"right button",
       {{WM_RBUTTONDOWN, 450, 280, 0, 0}, {WM_RBUTTONUP, 450, 280, 0, 0},
        {WM_LBUTTONDBLCLK, 450, 280, 0, 0}},
       {}},
      {"two clicks", {{WM_LBUTTONDOWN, 450, 280, 0, 1}, {WM_LBUTTONUP, 450, 280, 1, 3},
                      {WM_LBUTTONDOWN, 450, 280, 0, 1}, {WM_LBUTTONUP, 450, 280, 1, 3}},
       {219, 219}},
  };
  for (const Case& c : cases) {
    registry_.controlCount = 0;
    BitmapButton* button = Make(kImageId, kImageId, c.command);
    button->SetShownAndActive(true, c.active != 0);
    for (const Event& e : c.events) {
      EXPECT_EQ(Mouse(e.message, e.x, e.y), e.result) << c.name << " " << std::hex << e.message;
      EXPECT_EQ(button->pressState, e.pressState) << c.name << " " << std::hex << e.message;
    }
    EXPECT_EQ(TakeCommands(), c.commands) << c.name;
    delete button;
  }
  registry_.controlCount = 0;
}

TEST_F(BitmapButtonTest, EqualIdsWidenTheBoundsAndTheHitTestExcludesEveryEdge) {
  BitmapButton* button = Make(kImageId, kImageId, 219);
  struct Case {
    int x, y, pressed;
  } cases[] = {{438, 272, 1}, {495, 290, 1}, {437, 280, 0}, {496, 280, 0},
               {450, 271, 0}, {450, 291, 0}, {438, 290, 1}, {495, 272, 1}};
  for (const Case& c : cases) {
    button->pressState = 0;
    Mouse(WM_LBUTTONDOWN, c.x, c.y);
    EXPECT_EQ(button->pressState, c.pressed) << c.x << "," << c.y;
  }
}

TEST_F(BitmapButtonTest, EqualIdsPressOnePixelRightAndDown) {
  Make(kImageId, kImageId, 219);
  Mouse(WM_LBUTTONDOWN, 450, 280);
  EXPECT_EQ(LookMismatches(1, 1, kNormalSeed), 0);
  EXPECT_EQ(WindowPixel(437, 271), PatternColour(437, 271, kSkinSeed)) << "skin under the shift";
  Mouse(WM_LBUTTONUP, 450, 280);
  EXPECT_EQ(LookMismatches(0, 0, kNormalSeed), 0);
  EXPECT_EQ(WindowPixel(495, 290), PatternColour(495, 290, kSkinSeed));
}

TEST_F(BitmapButtonTest, DifferentIdsKeepTheImageSizeAndPressUnmoved) {
  BitmapButton* button = Make(kImageId, kPressedId, 203);
  RECT expected = {437, 271, 495, 290};
  EXPECT_TRUE(EqualRect(&button->bounds, &expected));
  Mouse(WM_LBUTTONDOWN, 450, 280);
  EXPECT_EQ(LookMismatches(0, 0, kPressedSeed), 0);
}

TEST_F(BitmapButtonTest, APaintWhileHeldShowsTheNormalLookAndKeepsThePress) {
  BitmapButton* button = Make(kImageId, kImageId, 219);
  Mouse(WM_LBUTTONDOWN, 450, 280);
  InvalidateRect(window_, nullptr, FALSE);
  PumpPaint();
  EXPECT_EQ(LookMismatches(0, 0, kNormalSeed), 0);
  EXPECT_EQ(button->pressState, 1);
}

TEST_F(BitmapButtonTest, TheHoverTextShowsOnlyWhileThePointerIsOverTheButton) {
  registry_.hoverTextColour = 0xFFFFFF;  // the skin pattern never holds pure white
  Make(kImageId, kImageId, 219);         // hover text "Install"
  const RECT hover = registry_.hoverTextRect;
  Mouse(WM_MOUSEMOVE, 450, 280);
  EXPECT_GT(PixelsOffSkin(hover), 20);
  Mouse(WM_MOUSEMOVE, 200, 200);
  EXPECT_EQ(PixelsOffSkin(hover), 0);
}

TEST_F(BitmapButtonTest, WhitePixelsLetThroughWhatLiesBelow) {
  BitmapImage* image = PaintedImage(kImageId, kNormalSeed);
  SetPixelV(image->dc, 5, 6, 0xFFFFFF);
  BitmapButton* button = Make(kImageId, kImageId, 219);
  struct Case {
    bool directDraw;
    COLORREF under;
  } cases[] = {{false, PatternColour(442, 277, kSkinSeed)}, {true, RGB(1, 2, 3)}};
  for (const Case& c : cases) {
    button->directDraw = c.directDraw;
    Canvas canvas(kSkinWidth, kSkinHeight, RGB(1, 2, 3));
    button->Paint(canvas.dc());
    EXPECT_EQ(canvas.at(442, 277), c.under) << "direct " << c.directDraw;
    EXPECT_EQ(canvas.at(443, 277), PatternColour(6, 6, kNormalSeed));
  }
}

TEST_F(BitmapButtonTest, AHiddenButtonCoversItselfWithTheSkin) {
  BitmapButton* button = Make(kImageId, kImageId, 219);
  button->Show(false);
  EXPECT_EQ(WindowPixel(440, 275), PatternColour(440, 275, kSkinSeed));
  EXPECT_EQ(WindowPixel(495, 290), PatternColour(495, 290, kSkinSeed));
  button->Show(true);
  EXPECT_EQ(LookMismatches(0, 0, kNormalSeed), 0);
}

TEST_F(BitmapButtonTest, TheCaptionIsDrawnBesideTheImageAndCutToItsField) {
  RECT captionOffsets = {0, 22, 60, 18};
  std::string longCaption(100, 'W');
  BitmapButton* button = new BitmapButton(&registry_, &kPlace, kImageId, kImageId, 219, nullptr,
                                          longCaption.c_str(), &captionOffsets);
  RECT expected = {437, 293, 497, 311};
  EXPECT_TRUE(EqualRect(&button->captionRect, &expected));
  EXPECT_EQ(std::string(button->caption), std::string(kCaptionSize - 1, 'W'));
  InvalidateRect(window_, nullptr, FALSE);
  PumpPaint();
  EXPECT_GT(PixelsOffSkin(expected), 20);
}

TEST_F(BitmapButtonTest, DestructionReleasesBothImages) {
  Make(kImageId, kImageId, 219);
  Make(kImageId, kPressedId, 203);
  HDC imageDc = keptImages_[0]->dc;
  HDC pressedDc = keptImages_[1]->dc;
  delete screen_;
  screen_ = nullptr;
  ReleaseKeptImages();
  EXPECT_EQ(GetObjectType(imageDc), 0u) << "no button still holds the image";
  EXPECT_EQ(GetObjectType(pressedDc), 0u);
}

}  // namespace
