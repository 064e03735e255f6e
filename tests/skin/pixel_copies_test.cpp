// Tiling and the per-pixel copies, checked pixel by pixel on 24-bit canvases.
#include "skin/pixel_copies.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/bitmap_cache.h"
#include "tests/skin/skin_test_support.h"

namespace {

const COLORREF kBackground = RGB(9, 99, 199);
const COLORREF kWhite = 0xFFFFFF;

class PixelCopiesTest : public ::testing::Test {
 protected:
  void SetUp() override { screenDc_ = GetDC(nullptr); }
  void TearDown() override {
    for (BitmapImage* image : images_) DeleteBitmapImage(image);
    ReleaseDC(nullptr, screenDc_);
  }
  // A blank image of the size, painted with the pattern of the seed.
  BitmapImage* Patterned(int width, int height, int seed, unsigned tag = 0) {
    BitmapImage* image = NewBitmapImage(nullptr, screenDc_, BlankId(width, height, tag));
    FillPattern(image->dc, width, height, seed);
    images_.push_back(image);
    return image;
  }
  HDC screenDc_ = nullptr;
  std::vector<BitmapImage*> images_;
};

TEST(CentreOutColumn, VisitsTheMiddleFirstThenAlternatesOutwards) {
  struct Case {
    int width;
    std::vector<int> order;
  } cases[] = {
      {1, {0}}, {2, {1, 0}}, {4, {2, 1, 3, 0}}, {5, {2, 1, 3, 0, 4}}, {6, {3, 2, 4, 1, 5, 0}}};
  for (const Case& c : cases) {
    std::vector<int> order;
    for (int i = 0; i < c.width; ++i) order.push_back(CentreOutColumn(c.width, i));
    EXPECT_EQ(order, c.order) << "width " << c.width;
  }
}

TEST_F(PixelCopiesTest, TileBitmapFillsExactlyTheRectangleFromOriginAnchoredTiles) {
  BitmapImage* skin = Patterned(kSkinWidth, kSkinHeight, 3);
  struct Case {
    RECT rect;
  } cases[] = {
      {{450, 0, 550, 10}},     // wraps at the image's right edge
      {{0, 280, 30, 300}},     // wraps at the bottom
      {{490, 285, 1010, 590}}, // several tiles in both directions
      {{120, 40, 121, 41}},    // one pixel
      {{10, 10, 10, 50}},      // empty: left = right
      {{10, 10, 50, 10}},      // empty: top = bottom
  };
  for (const Case& c : cases) {
    Canvas canvas(1100, 620, kBackground);
    skin->TileBitmap(canvas.dc(), c.rect);
    int wrong = 0;
    for (int x = 0; x < 1100; ++x)
      for (int y = 0; y < 620; ++y) {
        bool inside = c.rect.left <= x && x < c.rect.right && c.rect.top <= y && y < c.rect.bottom;
        COLORREF expected =
            inside ? PatternColour(x % kSkinWidth, y % kSkinHeight, 3) : kBackground;
        if (canvas.at(x, y) != expected) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
                        << c.rect.bottom;
  }
}

TEST_F(PixelCopiesTest, TileBitmapOfAnImageWithoutWidthOrHeightDrawsNothingAndEnds) {
  for (unsigned id : {BlankId(0, 5), BlankId(5, 0), BlankId(0, 0)}) {
    BitmapImage* image = NewBitmapImage(nullptr, screenDc_, id);
    images_.push_back(image);
    Canvas canvas(40, 40, kBackground);
    image->TileBitmap(canvas.dc(), RECT{0, 0, 40, 40});
    EXPECT_EQ(canvas.CountOther(RECT{0, 0, 40, 40}, kBackground), 0);
  }
}

// The transparent copies skip pure white and nothing else; the opaque ones copy it.
TEST_F(PixelCopiesTest, OnlyPureWhiteIsTransparent) {
  BitmapImage* image = Patterned(4, 3, 5);
  SetPixelV(image->dc, 1, 1, kWhite);
  SetPixelV(image->dc, 2, 1, 0xFEFFFF);
  SetPixelV(image->dc, 3, 2, 0xFFFFFE);
  struct Case {
    const char* name;
    void (*draw)(const BitmapImage&, HDC);
    bool skipsWhite;
  } cases[] = {
      {"DrawCentreOut", [](const BitmapImage& i, HDC d) { i.DrawCentreOut(d, 5, 6, 0, 0); }, true},
      {"DrawCentreOutDirect",
       [](const BitmapImage& i, HDC d) { i.DrawCentreOutDirect(d, 2, 3, 3, 3); }, true},
      {"DrawFrame", [](const BitmapImage& i, HDC d) { i.DrawFrame(d, 0, 5, 4, 6); }, false},
      {"DrawFrameTransparent",
       [](const BitmapImage& i, HDC d) { i.DrawFrameTransparent(d, 0, 5, 4, 6); }, true},
  };
  for (const Case& c : cases) {
    Canvas canvas(20, 20, kBackground);
    c.draw(*image, canvas.dc());
    for (int x = 0; x < 4; ++x)
      for (int y = 0; y < 3; ++y) {
        COLORREF source = GetPixel(image->dc, x, y);
        COLORREF expected = (c.skipsWhite && source == kWhite) ? kBackground : source;
        EXPECT_EQ(canvas.at(5 + x, 6 + y), expected) << c.name << " " << x << "," << y;
      }
    EXPECT_EQ(canvas.CountOther(RECT{0, 0, 20, 6}, kBackground), 0) << c.name;
    EXPECT_EQ(canvas.CountOther(RECT{9, 0, 20, 20}, kBackground), 0) << c.name;
  }
}

TEST_F(PixelCopiesTest, FramesAndRegionsLandWhereTheirTablesSay) {
  BitmapImage* strip = Patterned(12, 3, 7);
  auto source = [&](int x, int y) { return GetPixel(strip->dc, x, y); };
  struct Case {
    const char* name;
    void (*draw)(const BitmapImage&, HDC);
    RECT written;
    int sourceLeft, sourceTop;
    bool transposed;
  } cases[] = {
      // frame 1 of a strip of 3-pixel frames
      {"DrawFrame", [](const BitmapImage& i, HDC d) { i.DrawFrame(d, 3, 10, 6, 4); },
       {10, 4, 13, 7}, 3, 0, false},
      // the square block at columns 3..5, rows 0..2, mirrored on its diagonal
      {"DrawFrameTransposed",
       [](const BitmapImage& i, HDC d) { i.DrawFrameTransposed(d, 3, 10, 6, 4); },
       {10, 4, 13, 7}, 3, 0, true},
      {"DrawRegion",
       [](const BitmapImage& i, HDC d) { i.DrawRegion(d, RECT{2, 8, 5, 10}, 6, 1); },
       {2, 8, 5, 10}, 6, 1, false},
      // 3 wide and 2 high: a block 2 wide and 3 high at the rectangle's corner
      {"DrawRegionTransposed",
       [](const BitmapImage& i, HDC d) { i.DrawRegionTransposed(d, RECT{2, 8, 5, 10}, 6, 1); },
       {2, 8, 4, 11}, 6, 1, true},
  };
  for (const Case& c : cases) {
    Canvas canvas(20, 20, kBackground);
    c.draw(*strip, canvas.dc());
    int wrong = 0;
    for (int x = 0; x < 20; ++x)
      for (int y = 0; y < 20; ++y) {
        bool inside =
            c.written.left <= x && x < c.written.right && c.written.top <= y && y < c.written.bottom;
        int dx = x - c.written.left, dy = y - c.written.top;
        COLORREF expected = !inside ? kBackground
                            : c.transposed ? source(c.sourceLeft + dy, c.sourceTop + dx)
                                           : source(c.sourceLeft + dx, c.sourceTop + dy);
        if (canvas.at(x, y) != expected) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << c.name;
  }
}

TEST_F(PixelCopiesTest, EmptyRangesDrawNothing) {
  BitmapImage* image = Patterned(6, 4, 9);
  Canvas canvas(20, 20, kBackground);
  image->DrawFrame(canvas.dc(), 3, 0, 3, 0);
  image->DrawFrameTransparent(canvas.dc(), 4, 0, 2, 0);
  image->DrawFrameTransposed(canvas.dc(), 3, 0, 3, 0);
  image->DrawRegion(canvas.dc(), RECT{5, 5, 5, 9}, 0, 0);
  image->DrawRegion(canvas.dc(), RECT{5, 5, 9, 5}, 0, 0);
  image->DrawRegionTransposed(canvas.dc(), RECT{5, 5, 4, 9}, 0, 0);
  image->DrawRegionTransposed(canvas.dc(), RECT{5, 5, 9, 4}, 0, 0);
  EXPECT_EQ(canvas.CountOther(RECT{0, 0, 20, 20}, kBackground), 0);
}

TEST_F(PixelCopiesTest, AnImageWithoutDeviceContextPaintsItsAreaBlack) {
  BitmapImage image(nullptr, screenDc_, BlankId(3, 2, 5));
  SetPixelV(image.dc, 0, 0, kWhite);
  HDC realDc = image.dc;
  image.dc = nullptr;
  struct Case {
    const char* name;
    void (*draw)(const BitmapImage&, HDC);
    RECT area;
  } cases[] = {
      {"DrawCentreOut", [](const BitmapImage& i, HDC d) { i.DrawCentreOut(d, 4, 4, 1, 0); },
       {5, 4, 8, 6}},
      {"DrawCentreOutDirect",
       [](const BitmapImage& i, HDC d) { i.DrawCentreOutDirect(d, 4, 4, 0, 0); }, {4, 4, 7, 6}},
      {"DrawFrameTransparent",
       [](const BitmapImage& i, HDC d) { i.DrawFrameTransparent(d, 0, 4, 3, 4); }, {4, 4, 7, 6}},
      {"DrawFrameTransposed",
       [](const BitmapImage& i, HDC d) { i.DrawFrameTransposed(d, 0, 4, 3, 4); }, {4, 4, 7, 6}},
      {"DrawRegion", [](const BitmapImage& i, HDC d) { i.DrawRegion(d, RECT{4, 4, 6, 7}, 0, 0); },
       {4, 4, 6, 7}},
  };
  for (const Case& c : cases) {
    Canvas canvas(12, 12, kBackground);
    c.draw(image, canvas.dc());
    EXPECT_EQ(canvas.CountOther(c.area, 0), 0) << c.name;
    int area = (c.area.right - c.area.left) * (c.area.bottom - c.area.top);
    EXPECT_EQ(canvas.CountOther(RECT{0, 0, 12, 12}, kBackground), area) << c.name;
  }
  Canvas canvas(12, 12, kBackground);
  image.TileBitmap(canvas.dc(), RECT{0, 0, 12, 12});
  EXPECT_EQ(canvas.CountOther(RECT{0, 0, 12, 12}, kBackground), 0) << "TileBitmap";
  image.dc = realDc;
  image.ReleaseBitmap();
}

}  // namespace
