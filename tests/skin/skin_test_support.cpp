// Shared helpers of the skin tests.
#include "tests/skin/skin_test_support.h"

namespace {

BITMAPINFO TopDownInfo(int width, int height, WORD bitCount) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  return info;
}

}  // namespace

ControlRegistry g_testRegistry;

COLORREF PatternColour(int x, int y, int seed) {
  return RGB((x * 3 + seed * 50) % 250, (y * 5 + x / 250) % 250, (x + y + seed * 17) % 250);
}

void FillPattern(HDC dc, int width, int height, int seed) {
  if (width <= 0 || height <= 0) return;
  std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF colour = PatternColour(x, y, seed);
      pixels[static_cast<size_t>(y) * width + x] =
          (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }
  BITMAPINFO info = TopDownInfo(width, height, 32);
  SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info,
                    DIB_RGB_COLORS);
}

Canvas::Canvas(int width, int height, COLORREF fill) {
  BITMAPINFO info = TopDownInfo(width, height, 24);
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  dc_ = CreateCompatibleDC(nullptr);
  previous_ = SelectObject(dc_, bitmap_);
  HBRUSH brush = CreateSolidBrush(fill);
  RECT all = {0, 0, width, height};
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

Canvas::~Canvas() {
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

int Canvas::CountOther(RECT rect, COLORREF colour) const {
  int count = 0;
  for (int x = rect.left; x < rect.right; ++x)
    for (int y = rect.top; y < rect.bottom; ++y)
      if (at(x, y) != colour) ++count;
  return count;
}

namespace {

Screen* g_testScreen;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_testScreen && g_testScreen->DispatchMouse(window, message, wParam, lParam)) return 0;
  if (message == WM_PAINT && g_testScreen) {
    g_testScreen->BeginScreenPaint();
    g_testScreen->PaintScreen();
    g_testScreen->EndScreenPaint();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void SkinWindowTest::SetUp() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = TestWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "SkinTestWindow";
  RegisterClassA(&windowClass);
  window_ = CreateWindowExA(WS_EX_TOPMOST, "SkinTestWindow", "", WS_POPUP | WS_VISIBLE, 0, 0,
                            kSkinWidth, kSkinHeight, nullptr, nullptr, instance, nullptr);
  ASSERT_NE(window_, nullptr);
  screen_ = new Screen(&g_testRegistry, instance);
  RECT hover = {0, 0, 100, 20};
  screen_->SetUp(window_, kSkinId, 120, &hover);
  ASSERT_NE(registry_.skin, nullptr);
  FillPattern(registry_.skin->dc, kSkinWidth, kSkinHeight, kSkinSeed);
  g_testScreen = screen_;
  PumpPaint();
}

void SkinWindowTest::TearDown() {
  g_testScreen = nullptr;
  ReleaseKeptImages();
  delete screen_;
  // The window goes with the test's process: DestroyWindow waits about 2 s under Wine here.
}

COLORREF SkinWindowTest::WindowPixel(int x, int y) const {
  HDC dc = GetDC(window_);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window_, dc);
  return colour;
}

int SkinWindowTest::PixelsOffSkin(const RECT& rect) const {
  int count = 0;
  for (int x = rect.left; x < rect.right; ++x)
    for (int y = rect.top; y < rect.bottom; ++y)
      if (WindowPixel(x, y) != PatternColour(x, y, kSkinSeed)) ++count;
  return count;
}

void SkinWindowTest::PumpPaint() {
  UpdateWindow(window_);
  MSG message;
  while (PeekMessageA(&message, window_, 0, WM_CONTROL_COMMAND - 1, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

std::vector<int> SkinWindowTest::TakeCommands() {
  std::vector<int> commands;
  MSG message;
  while (PeekMessageA(&message, window_, WM_CONTROL_COMMAND, WM_CONTROL_COMMAND, PM_REMOVE)) {
    EXPECT_EQ(message.lParam, 0);
    commands.push_back(static_cast<int>(message.wParam));
  }
  return commands;
}

int SkinWindowTest::Mouse(UINT message, int x, int y) {
  return screen_->DispatchMouse(window_, message, 0, MAKELPARAM(x, y));
}

void SkinWindowTest::ReleaseKeptImages() {
  for (BitmapImage* image : keptImages_) DeleteBitmapImage(image);
  keptImages_.clear();
}

BitmapImage* SkinWindowTest::PaintedImage(unsigned id, int seed) {
  BitmapImage* image = NewBitmapImage(registry_.instance, registry_.backBufferDc, id);
  FillPattern(image->dc, image->width, image->height, seed);
  keptImages_.push_back(image);
  return image;
}
