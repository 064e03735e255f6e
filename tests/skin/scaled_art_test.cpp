// The window's art at display scales: which drawn set serves a scale, the sizes it is fitted to,
// and the sets as the installer loads them from its resources.
#include "skin/scaled_art.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "skin/dpi_scale.h"
#include "win32/handle_guards.h"

namespace {

const COLORREF kEdge = RGB(10, 22, 60);
const COLORREF kPanel = RGB(250, 245, 231);
const COLORREF kWhite = 0xFFFFFF;

TEST(ArtSetDpi, TakesTheNearestLargerSetAndThe200SetAbove) {
  const int cases[][2] = {{72, 96}, {96, 96}, {97, 144}, {120, 144}, {144, 144},
                          {168, 192}, {192, 192}, {288, 192}};
  for (const auto& c : cases) EXPECT_EQ(ArtSetDpi(c[0]), c[1]) << c[0];
}

TEST(ScaledArtSize, RoundsEachSideAndKeepsStripFramesSquare) {
  struct Case {
    SIZE source;
    int sourceDpi, dpi;
    SIZE expected;
  } cases[] = {
      {{500, 292}, 96, 120, {625, 365}},  {{750, 438}, 144, 120, {625, 365}},
      {{1000, 584}, 192, 288, {1500, 876}}, {{58, 19}, 96, 144, {87, 29}},
      // 52 x 13 at 125 % would be 65 x 16: four 16-pixel frames instead.
      {{52, 13}, 96, 120, {64, 16}},      {{104, 26}, 192, 168, {92, 23}},
  };
  for (const Case& c : cases) {
    SIZE size = ScaledArtSize(c.source, c.sourceDpi, c.dpi);
    EXPECT_EQ(size.cx, c.expected.cx) << c.source.cx << " at " << c.dpi;
    EXPECT_EQ(size.cy, c.expected.cy) << c.source.cx << " at " << c.dpi;
  }
}

struct LoadedArt {
  GdiObject<HBITMAP> bitmap;
  MemDc dc;
  SIZE size = {0, 0};
};

LoadedArt Load(unsigned id, int dpi) {
  LoadedArt art;
  art.bitmap.reset(LoadScaledArt(GetModuleHandleA(nullptr), id, dpi, nullptr));
  if (!art.bitmap.get()) return art;
  BITMAP description = {};
  GetObjectA(art.bitmap.get(), sizeof description, &description);
  art.size = {description.bmWidth, description.bmHeight};
  art.dc.reset(CreateCompatibleDC(nullptr));
  SelectObject(art.dc.get(), art.bitmap.get());
  return art;
}

// Every piece at the drawn scales and between and above them: the sizes the layout scales to, the
// skin's frame and panel where they are drawn, and the buttons' white cut corners.
TEST(LoadScaledArt, GivesEveryPieceAtTheScaledSize) {
  const unsigned ids[] = {IDB_SKIN, IDB_CANCEL, IDB_INSTALL, IDB_FINISH, IDB_LOGO, IDB_CHECK_STRIP};
  const SIZE sizes[] = {{500, 292}, {58, 19}, {60, 19}, {60, 19}, {40, 40}, {52, 13}};
  for (int dpi : {96, 120, 144, 168, 192, 240}) {
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(testing::Message() << ids[i] << " at " << dpi);
      LoadedArt art = Load(ids[i], dpi);
      ASSERT_NE(art.bitmap.get(), nullptr);
      const SIZE expected = ScaledArtSize(sizes[i], kBaseDpi, dpi);
      EXPECT_EQ(art.size.cx, expected.cx);
      EXPECT_EQ(art.size.cy, expected.cy);
    }
    LoadedArt skin = Load(IDB_SKIN, dpi);
    EXPECT_EQ(GetPixel(skin.dc.get(), 0, 0), kEdge) << dpi;
    EXPECT_EQ(GetPixel(skin.dc.get(), ScaleToDpi(260, dpi), ScaleToDpi(230, dpi)), kPanel) << dpi;
    LoadedArt button = Load(IDB_INSTALL, dpi);
    EXPECT_EQ(GetPixel(button.dc.get(), 0, 0), kWhite) << dpi;
    EXPECT_NE(GetPixel(button.dc.get(), button.size.cx / 2, 1), kWhite) << dpi;
  }
}

// The larger sets are drawn, not blown up: at 200 % the buttons' outline is two pixels wide and
// the skin's single-pixel frame edge is two pixels too.
TEST(LoadScaledArt, The200SetIsDrawnAtItsScale) {
  LoadedArt skin = Load(IDB_SKIN, 192);
  EXPECT_EQ(GetPixel(skin.dc.get(), 1, 1), kEdge);
  EXPECT_NE(GetPixel(skin.dc.get(), 2, 2), kEdge);
  LoadedArt button = Load(IDB_INSTALL, 192);
  const COLORREF outline = GetPixel(button.dc.get(), 60, 0);
  EXPECT_EQ(GetPixel(button.dc.get(), 60, 1), outline);
  EXPECT_NE(GetPixel(button.dc.get(), 60, 2), outline);
}

TEST(LoadScaledArt, AnIdWithoutArtGivesNone) {
  EXPECT_EQ(LoadScaledArt(GetModuleHandleA(nullptr), 999, 192, nullptr), nullptr);
  EXPECT_EQ(LoadScaledArt(GetModuleHandleA(nullptr), 999, 96, nullptr), nullptr);
}

}  // namespace
