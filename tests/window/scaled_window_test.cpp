// The installer's window at the display scale Wine is set to (LogPixels: 96 in the shared prefix,
// 144 and 192 through run-at-scale.sh): its size and place, the art drawn for that scale, text at
// the scaled size, and the mouse at scaled places.
#include <gtest/gtest.h>
#include <windows.h>

#include "resources/resource_ids.h"
#include "skin/dpi_scale.h"
#include "skin/scaled_art.h"
#include "tests/driver/installer_process.h"
#include "tests/driver/window_pixels.h"
#include "win32/handle_guards.h"

namespace {

// The installer is DPI-aware; seen from an unaware process its window would be scaled down.
const BOOL kDpiAware = SetProcessDPIAware();

int LogPixels() {
  DWORD dpi = kBaseDpi;
  DWORD size = sizeof dpi;
  RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", RRF_RT_REG_DWORD, nullptr,
               &dpi, &size);
  return static_cast<int>(dpi);
}

// Rows of the rectangle that hold a dark pixel: the height of the text drawn there.
int DarkRows(const Picture& picture, const RECT& rect) {
  int rows = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    if (CountDark(picture, RECT{rect.left, y, rect.right, y + 1}) > 0) ++rows;
  return rows;
}

class ScaledWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kDpiAware);
    art_ = LoadLibraryExA(INSTALLER_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(installer_.Start(INSTALLER_PATH));
    window_ = installer_.WaitForWindow();
    ASSERT_NE(window_, nullptr);
    Sleep(400);
  }
  void TearDown() override {
    if (window_) PressKey(window_, VK_ESCAPE);
    DWORD exitCode = 1;
    EXPECT_TRUE(installer_.WaitForExit(&exitCode));
    FreeLibrary(art_);
  }

  int S(int value) const { return ScaleToDpi(value, dpi_); }
  // The picture the installer carries for the scale, as the window's pixels are read.
  Picture Art(unsigned id) const {
    GdiObject<HBITMAP> bitmap(LoadScaledArt(art_, id, dpi_, nullptr));
    BITMAP size = {};
    GetObjectA(bitmap.get(), sizeof size, &size);
    Picture picture;
    picture.size = {size.bmWidth, size.bmHeight};
    picture.pixels.resize(static_cast<size_t>(size.bmWidth) * size.bmHeight);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 32, BI_RGB,
                      0, 0, 0, 0, 0};
    WindowDc screen(nullptr);
    GetDIBits(screen.get(), bitmap.get(), 0, size.bmHeight, picture.pixels.data(), &info,
              DIB_RGB_COLORS);
    for (DWORD& pixel : picture.pixels) pixel &= 0xFFFFFF;
    return picture;
  }
  // The bottom row keeps its distances from the skin's right and bottom edges.
  bool ShowsButton(const Picture& window, unsigned id, int fromRight) const {
    return ShowsWhole(window, S(500) - S(fromRight), S(292) - S(21), Art(id), true);
  }

  const int dpi_ = LogPixels();
  HMODULE art_ = nullptr;
  InstallerProcess installer_;
  HWND window_ = nullptr;
};

// The skin's size at the scale, on the work area even where the dialog template at this scale was
// too large for the screen; the skin's picture (where no control stands) and the buttons as drawn
// for the scale; the prompt's and the check box label's letters as tall as the scale makes them.
TEST_F(ScaledWindowTest, ShowsTheSkinArtAndTextOfItsScaleOnTheWorkArea) {
  RECT client;
  RECT frame;
  RECT work;
  GetClientRect(window_, &client);
  GetWindowRect(window_, &frame);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(client.right, S(500)) << dpi_;
  EXPECT_EQ(client.bottom, S(292)) << dpi_;
  EXPECT_TRUE(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right &&
              frame.bottom <= work.bottom);

  const Picture window = CaptureWindow(window_);
  EXPECT_TRUE(ShowsPart(window, 0, 0, Art(IDB_SKIN), 0, 0, S(280), S(200))) << dpi_;
  EXPECT_TRUE(ShowsButton(window, IDB_INSTALL, 125)) << dpi_;
  EXPECT_TRUE(ShowsButton(window, IDB_CANCEL, 63)) << dpi_;
  const RECT prompt = {S(20), S(204), S(300), S(224)};
  const RECT checkLabel = {S(310), S(98), S(420), S(116)};
  for (const RECT& text : {prompt, checkLabel}) {
    EXPECT_GE(DarkRows(window, text), S(9)) << dpi_;
    EXPECT_LE(DarkRows(window, text), S(13)) << dpi_;
  }
}

// The check box answers over its scaled frame, beyond where the 100 % frame would end, and its
// hover text shows in the scaled band.
TEST_F(ScaledWindowTest, TheMouseActsAtScaledPlaces) {
  const RECT hoverText = {S(20), S(273), S(355), S(292)};
  const POINT onFrame = {S(290) + S(13) - 2, S(100) + S(13) - 2};
  PostMove(window_, onFrame);
  Sleep(300);
  const RECT hovered = LightBounds(CaptureWindow(window_), hoverText);
  EXPECT_GE(hovered.bottom - hovered.top, S(8)) << dpi_;
  PostClick(window_, onFrame);
  Sleep(300);
  EXPECT_FALSE(ShowsButton(CaptureWindow(window_), IDB_INSTALL, 125)) << dpi_;
  PostClick(window_, onFrame);
  Sleep(300);
  EXPECT_TRUE(ShowsButton(CaptureWindow(window_), IDB_INSTALL, 125)) << dpi_;
}

}  // namespace
