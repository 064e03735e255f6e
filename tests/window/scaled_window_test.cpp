// The installer's window at the display scale Wine is set to (LogPixels: 96 in the shared prefix,
// 144 and 192 through run-at-scale.sh): its size, the art drawn for that scale, text at the scaled
// size, and the mouse at scaled places.
#include <gtest/gtest.h>
#include <windows.h>

#include "resources/resource_ids.h"
#include "skin/dpi_scale.h"
#include "win32/handle_guards.h"
#include "skin/scaled_art.h"
#include "tests/driver/installer_process.h"
#include "tests/driver/window_pixels.h"

namespace {

// The installer is DPI-aware; seen from an unaware process its window would be scaled down.
const BOOL kDpiAware = SetProcessDPIAware();

int LogPixels() {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", RRF_RT_REG_DWORD,
                   nullptr, &value, &size) != ERROR_SUCCESS || value == 0) {
    return kBaseDpi;
  }
  return static_cast<int>(value);
}

Picture PictureOf(HBITMAP bitmap) {
  Picture picture;
  BITMAP description = {};
  if (!bitmap || !GetObjectA(bitmap, sizeof description, &description)) return picture;
  picture.size = {description.bmWidth, description.bmHeight};
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.size.cx;
  info.bmiHeader.biHeight = -picture.size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  picture.pixels.resize(static_cast<size_t>(picture.size.cx) * picture.size.cy);
  WindowDc screen(nullptr);
  GetDIBits(screen.get(), bitmap, 0, picture.size.cy, picture.pixels.data(), &info,
            DIB_RGB_COLORS);
  for (DWORD& pixel : picture.pixels) pixel &= 0xFFFFFF;
  return picture;
}

// Rows of the rectangle that hold at least one dark pixel: the height of the text drawn there.
int DarkRows(const Picture& picture, const RECT& rect) {
  int rows = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    const RECT row = {rect.left, y, rect.right, y + 1};
    if (CountDark(picture, row) > 0) ++rows;
  }
  return rows;
}

class ScaledWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kDpiAware);
    art_ = LoadLibraryExA(INSTALLER_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(art_, nullptr);
    ASSERT_TRUE(installer_.Start(INSTALLER_PATH));
    window_ = installer_.WaitForWindow();
    ASSERT_NE(window_, nullptr);
    Sleep(400);
  }
  void TearDown() override {
    if (window_) PressKey(window_, VK_ESCAPE);
    DWORD exitCode = 1;
    EXPECT_TRUE(installer_.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    FreeLibrary(art_);
  }

  int S(int value) const { return ScaleToDpi(value, dpi_); }
  POINT At(int x, int y) const { return POINT{S(x), S(y)}; }
  Picture Art(unsigned id) const {
    GdiObject<HBITMAP> bitmap(LoadScaledArt(art_, id, dpi_, nullptr));
    return PictureOf(bitmap.get());
  }
  // The bottom row keeps its distances from the skin's right and bottom edges.
  POINT FromBottomRight(int right, int bottom) const {
    return POINT{S(500) - S(right), S(292) - S(bottom)};
  }
  bool Shows(const Picture& window, unsigned id, POINT at) const {
    return ShowsWhole(window, at.x, at.y, Art(id), true);
  }
  bool ShowsInstallButton() const {
    return Shows(CaptureWindow(window_), IDB_INSTALL, FromBottomRight(125, 21));
  }

  const int dpi_ = LogPixels();
  HMODULE art_ = nullptr;
  InstallerProcess installer_;
  HWND window_ = nullptr;
};

// On the work area, even where the dialog template at this scale was too large for the screen.
TEST_F(ScaledWindowTest, TakesTheSkinsSizeAtItsScaleOnTheWorkArea) {
  RECT client;
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, S(500)) << dpi_;
  EXPECT_EQ(client.bottom, S(292)) << dpi_;
  RECT frame;
  RECT work;
  GetWindowRect(window_, &frame);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_GE(frame.left, work.left);
  EXPECT_GE(frame.top, work.top);
  EXPECT_LE(frame.right, work.right);
  EXPECT_LE(frame.bottom, work.bottom);
}

// The skin's picture (where no control stands), and the bottom row's buttons, as drawn for the
// scale.
TEST_F(ScaledWindowTest, ShowsTheArtOfItsScale) {
  const Picture window = CaptureWindow(window_);
  const Picture skin = Art(IDB_SKIN);
  EXPECT_TRUE(ShowsPart(window, 0, 0, skin, 0, 0, S(280), S(200))) << dpi_;
  EXPECT_TRUE(Shows(window, IDB_INSTALL, FromBottomRight(125, 21))) << dpi_;
  EXPECT_TRUE(Shows(window, IDB_CANCEL, FromBottomRight(63, 21))) << dpi_;
}

// The prompt's and the help link's letters are as tall as the scale makes them.
TEST_F(ScaledWindowTest, DrawsTextAtTheScaledSize) {
  const Picture window = CaptureWindow(window_);
  const int promptRows = DarkRows(window, RECT{S(20), S(204), S(300), S(224)});
  EXPECT_GE(promptRows, S(9)) << dpi_;
  EXPECT_LE(promptRows, S(13)) << dpi_;
  const int checkLabelRows = DarkRows(window, RECT{S(310), S(98), S(420), S(116)});
  EXPECT_GE(checkLabelRows, S(9)) << dpi_;
  EXPECT_LE(checkLabelRows, S(13)) << dpi_;
}

// The check box answers over its scaled frame, and its hover text shows in the scaled band.
TEST_F(ScaledWindowTest, TheMouseActsAtScaledPlaces) {
  const RECT hoverText = {S(20), S(273), S(355), S(292)};
  EXPECT_EQ(CountLight(CaptureWindow(window_), hoverText), 0);
  // Near the frame's bottom-right corner, beyond where the 100 % frame would end.
  const POINT onFrame = {S(290) + S(13) - 2, S(100) + S(13) - 2};
  PostMove(window_, onFrame);
  Sleep(300);
  const Picture hovered = CaptureWindow(window_);
  EXPECT_GT(CountLight(hovered, hoverText), 0) << dpi_;
  const RECT hoverBounds = LightBounds(hovered, hoverText);
  EXPECT_GE(hoverBounds.bottom - hoverBounds.top, S(8)) << dpi_;

  ASSERT_TRUE(ShowsInstallButton());
  PostClick(window_, onFrame);
  Sleep(300);
  EXPECT_FALSE(ShowsInstallButton()) << dpi_;
  PostClick(window_, onFrame);
  Sleep(300);
  EXPECT_TRUE(ShowsInstallButton()) << dpi_;
}

}  // namespace
