// The window art as the Windows loader sees it: bitmap sizes, the pixels that must be transparent,
// the hand cursor's hot spot and the icon sizes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

#include "resources/resource_ids.h"

namespace {

using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, decltype(&DeleteObject)>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&DeleteDC)>;

const COLORREF kWhite = 0xFFFFFF;

struct LoadedBitmap {
  GdiObject bitmap{nullptr, &DeleteObject};
  MemoryDc dc{nullptr, &DeleteDC};
  int width = 0;
  int height = 0;
};

LoadedBitmap Load(int id) {
  LoadedBitmap image;
  image.bitmap.reset(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
  if (!image.bitmap) return image;
  BITMAP description = {};
  GetObjectA(image.bitmap.get(), sizeof description, &description);
  image.width = description.bmWidth;
  image.height = description.bmHeight;
  image.dc.reset(CreateCompatibleDC(nullptr));
  SelectObject(image.dc.get(), image.bitmap.get());
  return image;
}

int StoredBitsPerPixel(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!found) return 0;
  const auto* header =
      static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, found)));
  return header ? header->biBitCount : 0;
}

TEST(ArtBitmaps, LoadWithTheSizesTheLayoutIsBuiltOn) {
  struct Case {
    int id;
    int width;
    int height;
  } cases[] = {{IDB_SKIN, 500, 292},   {IDB_CANCEL, 58, 19}, {IDB_INSTALL, 60, 19},
               {IDB_FINISH, 60, 19},   {IDB_LOGO, 40, 40},   {IDB_CHECK_STRIP, 52, 13}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    LoadedBitmap image = Load(c.id);
    ASSERT_TRUE(image.bitmap);
    EXPECT_EQ(c.width, image.width);
    EXPECT_EQ(c.height, image.height);
    EXPECT_EQ(24, StoredBitsPerPixel(c.id));
  }
}

TEST(ArtBitmaps, LogoIsWhiteEverywhereSoItIsNeverDrawn) {
  LoadedBitmap logo = Load(IDB_LOGO);
  ASSERT_TRUE(logo.dc);
  int drawn = 0;
  for (int y = 0; y < logo.height; ++y)
    for (int x = 0; x < logo.width; ++x) drawn += GetPixel(logo.dc.get(), x, y) != kWhite;
  EXPECT_EQ(0, drawn);
}

TEST(ArtBitmaps, ButtonsAreTransparentOnlyAtTheirCutCorners) {
  for (int id : {IDB_CANCEL, IDB_INSTALL, IDB_FINISH}) {
    SCOPED_TRACE(id);
    LoadedBitmap button = Load(id);
    ASSERT_TRUE(button.dc);
    std::vector<POINT> wrong;
    for (int y = 0; y < button.height; ++y) {
      for (int x = 0; x < button.width; ++x) {
        int fromCorner = std::min(x, button.width - 1 - x) + std::min(y, button.height - 1 - y);
        bool white = GetPixel(button.dc.get(), x, y) == kWhite;
        if (white != (fromCorner < 2)) wrong.push_back({x, y});
      }
    }
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " pixels, first at " << wrong[0].x << ", "
                               << wrong[0].y;
  }
}

TEST(ArtBitmaps, HoverTextBandIsDarkEnoughForWhiteText) {
  LoadedBitmap skin = Load(IDB_SKIN);
  ASSERT_TRUE(skin.dc);
  int brightest = 0;
  for (int y = 273; y < skin.height; ++y) {
    for (int x = 20; x < 355; ++x) {
      COLORREF c = GetPixel(skin.dc.get(), x, y);
      int luma = (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
      brightest = std::max(brightest, luma);
    }
  }
  EXPECT_LE(brightest, 80);
}

TEST(ArtCursor, HandIsAMonochromeCursorWithItsHotSpotOnTheFingertip) {
  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
  ASSERT_NE(nullptr, hand);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  GdiObject mask(info.hbmMask, &DeleteObject);
  GdiObject colour(info.hbmColor, &DeleteObject);
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(13u, info.xHotspot);
  EXPECT_EQ(10u, info.yHotspot);
  EXPECT_FALSE(colour);
  BITMAP description = {};
  GetObjectA(mask.get(), sizeof description, &description);
  EXPECT_EQ(32, description.bmWidth);
  EXPECT_EQ(64, description.bmHeight);
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ArtIcon, MainIconGroupHoldsSmallAndLargeImages) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, "MAINICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(nullptr, found);
  const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  ASSERT_NE(nullptr, group);
  WORD count = *reinterpret_cast<const WORD*>(group + 4);
  ASSERT_EQ(6 + count * sizeof(IconGroupEntry), SizeofResource(module, found));
  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const IconGroupEntry* entry = reinterpret_cast<const IconGroupEntry*>(group + 6) + i;
    EXPECT_EQ(entry->width, entry->height);
    sizes.push_back(entry->width);
  }
  // 16 and 32 at 100 %, 24 and 48 at 150 %, 32 and 64 at 200 % (a PNG entry).
  EXPECT_EQ((std::vector<int>{64, 48, 32, 24, 16}), sizes);
  for (int size : {16, 24, 32, 48, 64}) {
    HICON icon = static_cast<HICON>(LoadImageA(module, "MAINICON", IMAGE_ICON, size, size, 0));
    EXPECT_NE(nullptr, icon) << size;
    if (icon) DestroyIcon(icon);
  }
}

}  // namespace
