// The Bitmap cache: sharing by id, reference counts, blank images, a full cache and id 0.
#include "skin/bitmap_cache.h"

#include <gtest/gtest.h>

#include "tests/skin/skin_test_support.h"

namespace {

const unsigned kButtonId = 401;  // the 7 x 5 bitmap resource of the tests

class BitmapCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { screenDc_ = GetDC(nullptr); }
  void TearDown() override { ReleaseDC(nullptr, screenDc_); }
  BitmapImage* Make(unsigned id) { return NewBitmapImage(GetModuleHandleA(nullptr), screenDc_, id); }
  HDC screenDc_ = nullptr;
};

bool IsLiveDc(HDC dc) { return GetObjectType(dc) == OBJ_MEMDC; }
bool IsLiveBitmap(HBITMAP bitmap) { return GetObjectType(bitmap) == OBJ_BITMAP; }

TEST_F(BitmapCacheTest, TwoImagesOfOneIdShareOneLoadedBitmapUntilTheLastRelease) {
  BitmapImage* first = Make(kButtonId);
  BitmapImage* second = Make(kButtonId);
  EXPECT_EQ(first->width, 7);
  EXPECT_EQ(first->height, 5);
  EXPECT_EQ(first->dc, second->dc);
  EXPECT_EQ(first->bitmap, second->bitmap);
  EXPECT_EQ(GetPixel(first->dc, 3, 2), RGB(13, 22, 53));  // the resource's own pixels

  HDC sharedDc = first->dc;
  HBITMAP sharedBitmap = first->bitmap;
  DeleteBitmapImage(first);
  EXPECT_TRUE(IsLiveDc(sharedDc));
  EXPECT_TRUE(IsLiveBitmap(sharedBitmap));

  DeleteBitmapImage(second);
  EXPECT_FALSE(IsLiveDc(sharedDc));
  EXPECT_FALSE(IsLiveBitmap(sharedBitmap));

  BitmapImage* third = Make(kButtonId);
  EXPECT_TRUE(IsLiveDc(third->dc));
  EXPECT_EQ(GetPixel(third->dc, 3, 2), RGB(13, 22, 53));
  DeleteBitmapImage(third);
}

TEST_F(BitmapCacheTest, BlankImagesTakeTheirSizeFromTheWholeId) {
  struct Case {
    unsigned id;
    int width, height;
  } cases[] = {
      {BlankId(40, 30), 40, 30},
      {BlankId(40, 30) | 0x04000000, 40, 30},  // same low bits, other upper bits
      {BlankId(1023, 1), 1023, 1},
  };
  BitmapImage* images[3];
  for (int i = 0; i < 3; ++i) {
    images[i] = Make(cases[i].id);
    EXPECT_EQ(images[i]->width, cases[i].width);
    EXPECT_EQ(images[i]->height, cases[i].height);
    BITMAP description = {};
    GetObjectA(images[i]->bitmap, sizeof description, &description);
    EXPECT_EQ(description.bmWidth, cases[i].width);
    EXPECT_EQ(description.bmHeight, cases[i].height);
  }
  EXPECT_NE(images[0]->dc, images[1]->dc) << "ids differing in their upper bits are cached apart";
  BitmapImage* again = Make(cases[0].id);
  EXPECT_EQ(again->dc, images[0]->dc);
  HDC sharedDc = again->dc;
  DeleteBitmapImage(again);
  EXPECT_TRUE(IsLiveDc(sharedDc)) << "the first image still holds it";
  for (BitmapImage*& image : images) DeleteBitmapImage(image);
}

TEST_F(BitmapCacheTest, TheFiftyFirstImageWorksUncachedAndFreesOnlyItself) {
  BitmapImage* images[kBitmapCacheSlots + 1];
  for (int i = 0; i <= kBitmapCacheSlots; ++i) images[i] = Make(BlankId(4, 3, i + 1));
  BitmapImage* extra = images[kBitmapCacheSlots];
  BitmapImage* sameId = Make(BlankId(4, 3, kBitmapCacheSlots + 1));
  EXPECT_NE(sameId->dc, extra->dc) << "the uncached image is shared with no one";
  DeleteBitmapImage(sameId);
  EXPECT_TRUE(IsLiveDc(extra->dc));
  SetPixelV(extra->dc, 1, 1, RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(extra->dc, 1, 1), RGB(1, 2, 3));

  HDC extraDc = extra->dc;
  DeleteBitmapImage(images[kBitmapCacheSlots]);
  EXPECT_FALSE(IsLiveDc(extraDc)) << "an uncached image frees its own handles";
  for (int i = 0; i < kBitmapCacheSlots; ++i) EXPECT_TRUE(IsLiveDc(images[i]->dc));
  // A freed slot is taken again by the next new id, whose images then share it.
  DeleteBitmapImage(images[7]);
  BitmapImage* next = Make(BlankId(5, 5, 60));
  BitmapImage* nextAgain = Make(BlankId(5, 5, 60));
  EXPECT_EQ(nextAgain->dc, next->dc);
  DeleteBitmapImage(nextAgain);
  DeleteBitmapImage(next);
  for (BitmapImage*& image : images) DeleteBitmapImage(image);
}

TEST_F(BitmapCacheTest, IdZeroNeverReceivesAFreedSlotsHandles) {
  BitmapImage* image = Make(BlankId(8, 8));
  HDC staleDc = image->dc;
  DeleteBitmapImage(image);  // the slot is free now, its columns stale

  BitmapImage* zero = Make(0);
  EXPECT_NE(zero->dc, staleDc);
  EXPECT_EQ(zero->width, 0);
  EXPECT_EQ(zero->height, 0);
  BitmapImage* zeroAgain = Make(0);
  EXPECT_NE(zeroAgain->dc, zero->dc) << "id 0 is never shared";
  BitmapImage* other = Make(BlankId(8, 8, 2));
  HDC otherDc = other->dc;
  DeleteBitmapImage(zero);
  DeleteBitmapImage(zeroAgain);
  EXPECT_TRUE(IsLiveDc(otherDc)) << "releasing id 0 frees only its own handles";
  DeleteBitmapImage(other);
}

}  // namespace
