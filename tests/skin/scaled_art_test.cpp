// The window's art at display scales: the sizes it is fitted to, and the drawn sets as the
// installer loads them from its resources.
#include "skin/scaled_art.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "skin/dpi_scale.h"
#include "win32/handle_guards.h"

namespace {

TEST(ScaledArtSize, RoundsEachSideAndKeepsStripFramesSquare) {
  struct Case {
    SIZE source;
    int sourceDpi, dpi;
    SIZE expected;
  } cases[] = {
      {{500, 292}, 96, 120, {625, 365}},    {{750, 438}, 144, 120, {625, 365}},
      {{1000, 584}, 192, 288, {1500, 876}}, {{58, 19}, 96, 144, {87, 29}},
      // 52 x 13 at 125 % would be 65 x 16: four 16-pixel frames instead.
      {{52, 13}, 96, 120, {64, 16}},
  };
  for (const Case& c : cases) {
    const SIZE size = ScaledArtSize(c.source, c.sourceDpi, c.dpi);
    EXPECT_EQ(size.cx, c.expected.cx) << c.source.cx << " at " << c.dpi;
    EXPECT_EQ(size.cy, c.expected.cy) << c.source.cx << " at " << c.dpi;
  }
}

// Every piece, at the drawn scales and between and above them, has its 100 % size scaled
// (whichever set it comes from); and the 200 % set is drawn, not enlarged: its one-pixel (at
// 100 %) outlines are two pixels wide, where an enlarged 100 % picture would blend them.
TEST(LoadScaledArt, GivesEveryPieceItsScaledSizeFromTheDrawnSets) {
  const unsigned ids[] = {IDB_SKIN, IDB_CANCEL, IDB_INSTALL, IDB_FINISH, IDB_LOGO, IDB_CHECK_STRIP};
  const SIZE sizes[] = {{500, 292}, {58, 19}, {60, 19}, {60, 19}, {40, 40}, {52, 13}};
  MemDc dc(CreateCompatibleDC(nullptr));
  for (int dpi : {96, 120, 144, 168, 192, 240}) {
    for (int i = 0; i < 6; ++i) {
      GdiObject<HBITMAP> art(LoadScaledArt(GetModuleHandleA(nullptr), ids[i], dpi, nullptr));
      BITMAP loaded = {};
      ASSERT_TRUE(GetObjectA(art.get(), sizeof loaded, &loaded)) << ids[i] << " at " << dpi;
      const SIZE expected = ScaledArtSize(sizes[i], kBaseDpi, dpi);
      EXPECT_EQ(loaded.bmWidth, expected.cx) << ids[i] << " at " << dpi;
      EXPECT_EQ(loaded.bmHeight, expected.cy) << ids[i] << " at " << dpi;
    }
  }
  GdiObject<HBITMAP> button(LoadScaledArt(GetModuleHandleA(nullptr), IDB_INSTALL, 192, nullptr));
  SelectGuard selected(dc.get(), button.get());
  const COLORREF outline = GetPixel(dc.get(), 60, 0);
  EXPECT_EQ(GetPixel(dc.get(), 60, 1), outline);
  EXPECT_NE(GetPixel(dc.get(), 60, 2), outline);
}

}  // namespace
