// The Screen on a real window: painting, mouse dispatch, set-up and destruction.
#include "skin/screen.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/skin/skin_test_support.h"

namespace {

using ScreenTest = SkinWindowTest;

TEST(MakeRect, CutsEachInputToSixteenSignedBits) {
  struct Case {
    int x, y, width, height;
    RECT expected;
  } cases[] = {
      {65537, 2, 3, 4, {1, 2, 4, 6}},
      {65535, 0, 10, 10, {-1, 0, 9, 10}},
      {32767, 32767, 1, 1, {32767, 32767, 32768, 32768}},
      {290, 100, 13, 0x1000D, {290, 100, 303, 113}},
  };
  for (const Case& c : cases) {
    RECT rect;
    RECT result = MakeRect(&rect, c.x, c.y, c.width, c.height);
    EXPECT_TRUE(EqualRect(&rect, &c.expected)) << c.x << "," << c.y;
    EXPECT_TRUE(EqualRect(&result, &c.expected));
  }
}

TEST_F(ScreenTest, PaintTilesTheSkinAndPaintsShownControlsInRegistrationOrder) {
  std::vector<int> log;
  SpyControl first(1, &log), hidden(2, &log), third(3, &log);
  hidden.SetShownAndActive(false, true);
  InvalidateRect(window_, nullptr, FALSE);
  PumpPaint();
  EXPECT_EQ(log, (std::vector<int>{-1, -3}));
  EXPECT_NE(first.lastPaintDc, nullptr);
  EXPECT_EQ(registry_.paintDc, nullptr);
  for (POINT p : {POINT{0, 0}, POINT{499, 291}, POINT{250, 100}, POINT{13, 277}})
    EXPECT_EQ(WindowPixel(p.x, p.y), PatternColour(p.x, p.y, kSkinSeed)) << p.x << "," << p.y;
  registry_.controlCount = 0;  // the spies live on the stack
}

TEST_F(ScreenTest, DispatchMouseOffersOnlyMessagesOfTheMouseRange) {
  std::vector<int> log;
  SpyControl spy(1, &log, 1);
  struct Case {
    UINT message;
    int result;
  } cases[] = {
      {0x1FF, 0}, {WM_MOUSEMOVE, 1}, {WM_LBUTTONDOWN, 1}, {WM_MBUTTONDBLCLK, 1},
      {0x20A, 0}, {0x10201, 1},  // only the low 16 bits count
      {0x1020A, 0}, {WM_PAINT, 0},
  };
  for (const Case& c : cases) {
    log.clear();
    spy.dcDuringMouse = nullptr;
    EXPECT_EQ(Mouse(c.message, 5, 5), c.result) << std::hex << c.message;
    EXPECT_EQ(log.size(), static_cast<size_t>(c.result)) << std::hex << c.message;
    EXPECT_EQ(spy.dcDuringMouse != nullptr, c.result == 1) << std::hex << c.message;
    EXPECT_EQ(registry_.paintDc, nullptr);
  }
  registry_.controlCount = 0;
}

TEST_F(ScreenTest, DispatchMouseStopsAtTheFirstActiveControlThatClaims) {
  struct Case {
    int claims[4];
    int active[4];
    std::vector<int> offered;
    int result;
  } cases[] = {
      {{0, 1, 1, 0}, {1, 1, 1, 1}, {1, 2}, 1},
      {{0, 1, 1, 0}, {1, 0, 1, 1}, {1, 3}, 1},
      {{0, 0, 0, 0}, {1, 1, 1, 1}, {1, 2, 3, 4}, 0},
      {{1, 1, 1, 1}, {0, 0, 0, 0}, {}, 0},
  };
  for (const Case& c : cases) {
    registry_.controlCount = 0;
    std::vector<int> log;
    SpyControl spies[4] = {{1, &log, c.claims[0]}, {2, &log, c.claims[1]},
                           {3, &log, c.claims[2]}, {4, &log, c.claims[3]}};
    for (int i = 0; i < 4; ++i) spies[i].SetShownAndActive(true, c.active[i] != 0);
    EXPECT_EQ(Mouse(WM_LBUTTONUP, 1, 1), c.result);
    EXPECT_EQ(log, c.offered);
    EXPECT_EQ(registry_.paintDc, nullptr);
  }
  registry_.controlCount = 0;
}

// A window handle that names no window: any use of it (GetDC among them) sets the last error, so
// a dispatch that touches the window shows.
TEST_F(ScreenTest, DispatchMouseWithoutControlsTakesNoDeviceContext) {
  HWND noWindow = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xDEAD0));
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(screen_->DispatchMouse(noWindow, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(registry_.paintDc, nullptr);
}

// A paint that runs inside a control's mouse operation (a nested modal loop) hands the
// dispatch's device context back when it ends, so the control can go on drawing with it.
TEST_F(ScreenTest, APaintInsideAMouseOperationKeepsTheDispatchDeviceContext) {
  struct NestedPaint : Control {
    explicit NestedPaint(Screen* screen) : Control(&g_testRegistry, nullptr), screen(screen) {}
    int OnMouse(HWND, UINT, WPARAM, LPARAM) override {
      before = registry->paintDc;
      screen->BeginScreenPaint();
      during = registry->paintDc;
      screen->PaintScreen();
      screen->EndScreenPaint();
      after = registry->paintDc;
      stillUsable = GetObjectType(after) == OBJ_DC;
      return 1;
    }
    void Paint(HDC) override {}
    Screen* screen;
    HDC before = nullptr, during = nullptr, after = nullptr;
    bool stillUsable = false;
  } control(screen_);
  EXPECT_EQ(Mouse(WM_LBUTTONDOWN, 1, 1), 1);
  EXPECT_NE(control.before, nullptr);
  EXPECT_NE(control.during, nullptr);
  EXPECT_EQ(control.after, control.before);
  EXPECT_TRUE(control.stillUsable);
  EXPECT_EQ(registry_.paintDc, nullptr);
  registry_.controlCount = 0;
}

TEST_F(ScreenTest, DrawScreenTextDrawsOnlyDuringAPaint) {
  const RECT area = {20, 150, 120, 170};
  screen_->DrawScreenText(20, 150, "Outside");
  EXPECT_EQ(PixelsOffSkin(area), 0);

  InvalidateRect(window_, nullptr, FALSE);
  screen_->BeginScreenPaint();
  screen_->PaintScreen();
  screen_->DrawScreenText(20, 150, "Inside");
  screen_->EndScreenPaint();
  EXPECT_GT(PixelsOffSkin(area), 20);
  EXPECT_EQ(registry_.paintDc, nullptr);
}

TEST_F(ScreenTest, ASecondSetUpKeepsFontsAndCursorAndReplacesTheRest) {
  HFONT font = registry_.textFont, underlined = registry_.underlinedFont;
  HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
  registry_.handCursor = cursor;
  ASSERT_NE(font, nullptr);
  ASSERT_NE(underlined, nullptr);
  BITMAP backBuffer = {};
  GetObjectA(GetCurrentObject(registry_.backBufferDc, OBJ_BITMAP), sizeof backBuffer, &backBuffer);
  EXPECT_EQ(backBuffer.bmWidth, kSkinWidth);
  EXPECT_EQ(backBuffer.bmHeight, kSkinHeight);
  HDC oldBackBuffer = registry_.backBufferDc;
  HDC oldSkin = registry_.skin->dc;

  screen_->SetUp(window_, kSkinId, 121, nullptr);
  EXPECT_EQ(registry_.textFont, font);
  EXPECT_EQ(registry_.underlinedFont, underlined);
  EXPECT_EQ(registry_.handCursor, cursor);
  RECT empty = {0, 0, 0, 0};
  EXPECT_TRUE(EqualRect(&registry_.hoverTextRect, &empty));
  EXPECT_EQ(GetObjectType(oldBackBuffer), 0u) << "the old back buffer is freed";
  // Had the old skin kept its reference, the new one would share its device context.
  EXPECT_NE(registry_.skin->dc, oldSkin) << "the old skin image is released";
}

TEST_F(ScreenTest, SwitchingTheTextFontReachesTheBackBufferAndFreesTheOldFont) {
  HFONT old = registry_.textFont;
  screen_->SwitchTextFont("ms sans serif", 16);
  HFONT font = registry_.textFont;
  ASSERT_NE(font, old);
  EXPECT_EQ(GetCurrentObject(registry_.backBufferDc, OBJ_FONT), font);
  EXPECT_EQ(GetObjectType(old), 0u) << "the old font is deleted";
  LOGFONTA made = {};
  GetObjectA(font, sizeof made, &made);
  EXPECT_EQ(made.lfHeight, 16);
}

TEST_F(ScreenTest, DestructionReleasesTheSkinThenDestroysControlsInOrder) {
  static std::vector<int> destroyed;
  static HDC skinDc;
  static DWORD skinDcTypeSeen = OBJ_MEMDC;
  struct Dying : SpyControl {
    Dying(int id, std::vector<int>* log) : SpyControl(id, log), id(id) {}
    ~Dying() override {
      destroyed.push_back(id);
      skinDcTypeSeen = GetObjectType(skinDc);
    }
    int id;
  };
  std::vector<int> log;
  new Dying(1, &log);
  new Dying(2, &log);
  new Dying(3, &log);
  skinDc = registry_.skin->dc;
  delete screen_;
  screen_ = nullptr;
  EXPECT_EQ(destroyed, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(skinDcTypeSeen, 0u) << "the skin was released before the controls went";
}

TEST_F(ScreenTest, TheHundredFiftyFirstControlIsNotRegistered) {
  std::vector<int> log;
  for (int i = 0; i < kMaxControls; ++i) new SpyControl(i + 1, &log);
  Control* last = registry_.controls[kMaxControls - 1];
  RECT hover = registry_.hoverTextRect;
  SpyControl extra(999, &log, 1);
  EXPECT_FALSE(extra.registered());
  EXPECT_TRUE(last->registered());
  EXPECT_EQ(registry_.controlCount, kMaxControls);
  EXPECT_EQ(registry_.controls[kMaxControls - 1], last);
  EXPECT_TRUE(EqualRect(&registry_.hoverTextRect, &hover)) << "the record after the array";
  EXPECT_EQ(Mouse(WM_MOUSEMOVE, 1, 1), 0);
  EXPECT_EQ(log.size(), static_cast<size_t>(kMaxControls));
}

// The focus mark is a dotted ring one 100 % pixel wide outside the bounds: the control's own
// pixels stay as they are, a paint draws the ring again, and hiding the control takes it away.
TEST_F(ScreenTest, TheFocusMarkRingsTheBoundsUntilTheControlIsHidden) {
  const struct {
    int dpi;
    RECT ring;
    int dots;  // every other pixel of the ring around the bounds
  } cases[] = {{96, {99, 99, 141, 121}, 62}, {192, {98, 98, 142, 122}, 128}};
  std::vector<int> log;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    registry_.dpi = c.dpi;
    SpyControl spy(1, &log);
    spy.bounds = RECT{100, 100, 140, 120};
    screen_->FocusControl(&spy);
    InvalidateRect(window_, nullptr, FALSE);
    PumpPaint();
    EXPECT_EQ(PixelsOffSkin(c.ring), c.dots);
    EXPECT_EQ(PixelsOffSkin(spy.bounds), 0);
    spy.Show(false);
    EXPECT_EQ(screen_->FocusedControl(), nullptr);
    EXPECT_EQ(PixelsOffSkin(c.ring), 0);
    registry_.controlCount = 0;
  }
}

}  // namespace
