// The process-wide Bitmap cache: one loaded bitmap and memory device context per image id.
#include "skin/bitmap_cache.h"

#include <new>

#include "skin/gdi_guards.h"

namespace {

struct BitmapCache {
  unsigned id[kBitmapCacheSlots];  // 0: the slot is free
  int references[kBitmapCacheSlots];
  int width[kBitmapCacheSlots];
  int height[kBitmapCacheSlots];
  HDC dc[kBitmapCacheSlots];
  HBITMAP bitmap[kBitmapCacheSlots];
};

BitmapCache g_bitmapCache;

int FindCachedId(unsigned id) {
  for (int i = 0; i < kBitmapCacheSlots; ++i)
    if (g_bitmapCache.id[i] == id && g_bitmapCache.references[i] != 0) return i;
  return -1;
}

int FindFreeSlot() {
  for (int i = 0; i < kBitmapCacheSlots; ++i)
    if (g_bitmapCache.references[i] == 0) return i;
  return -1;
}

HBITMAP CreateBlankBitmap(HDC compatibleDc, int width, int height) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;  // top-down
  header.biPlanes = 1;
  header.biBitCount = 24;
  return CreateDIBitmap(compatibleDc, &header, 0, nullptr,
                        reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS);
}

}  // namespace

BitmapImage::BitmapImage(HINSTANCE instance, HDC compatibleDc, unsigned id)
    : width(0), height(0), dc(nullptr), bitmap(nullptr) {
  AcquireBitmap(instance, compatibleDc, id);
}

void BitmapImage::AcquireBitmap(HINSTANCE instance, HDC compatibleDc, unsigned id) {
  // Id 0 marks a free slot, so it is neither looked up nor entered: such an image never
  // shares a released slot's stale handles.
  int slot = id != 0 ? FindCachedId(id) : -1;
  if (slot >= 0) {
    width = g_bitmapCache.width[slot];
    height = g_bitmapCache.height[slot];
    dc = g_bitmapCache.dc[slot];
    bitmap = g_bitmapCache.bitmap[slot];
    ++g_bitmapCache.references[slot];
    return;
  }

  GdiObject<HBITMAP> loaded(LoadBitmapA(instance, MAKEINTRESOURCEA(id & 0xFFFF)));
  MemDc memoryDc(CreateCompatibleDC(compatibleDc));
  if (loaded.get()) {
    BITMAP description = {};
    GetObjectA(loaded.get(), sizeof description, &description);
    width = description.bmWidth;
    height = description.bmHeight;
  } else {
    width = id & 0x3FF;
    height = (id >> 16) & 0x3FF;
    loaded.reset(CreateBlankBitmap(compatibleDc, width, height));
  }
  if (memoryDc.get() && loaded.get()) SelectObject(memoryDc.get(), loaded.get());
  dc = memoryDc.release();
  bitmap = loaded.release();

  slot = id != 0 ? FindFreeSlot() : -1;
  if (slot < 0) return;
  g_bitmapCache.id[slot] = id;
  g_bitmapCache.references[slot] = 1;
  g_bitmapCache.width[slot] = width;
  g_bitmapCache.height[slot] = height;
  g_bitmapCache.dc[slot] = dc;
  g_bitmapCache.bitmap[slot] = bitmap;
}

void BitmapImage::ReleaseBitmap() {
  int slot = -1;
  for (int i = 0; i < kBitmapCacheSlots && slot < 0; ++i)
    if (g_bitmapCache.references[i] != 0 && g_bitmapCache.dc[i] == dc) slot = i;
  if (slot >= 0) {
    if (--g_bitmapCache.references[slot] != 0) return;
    g_bitmapCache.id[slot] = 0;
  }
  // The last reference, or an image nobody shares because the cache was full (or its id 0).
  // The device context goes first, which also takes the bitmap out of it.
  if (dc) DeleteDC(dc);
  if (bitmap) DeleteObject(bitmap);
  dc = nullptr;
  bitmap = nullptr;
}

BitmapImage* NewBitmapImage(HINSTANCE instance, HDC compatibleDc, unsigned id) {
  return new (std::nothrow) BitmapImage(instance, compatibleDc, id);
}

void DeleteBitmapImage(BitmapImage*& image) {
  if (!image) return;
  image->ReleaseBitmap();
  delete image;
  image = nullptr;
}

void ClearBitmapCache() {
  for (int i = 0; i < kBitmapCacheSlots; ++i) {
    g_bitmapCache.id[i] = 0;
    g_bitmapCache.references[i] = 0;
  }
}

int BitmapCacheReferences(unsigned id) {
  int slot = id != 0 ? FindCachedId(id) : -1;
  return slot >= 0 ? g_bitmapCache.references[slot] : 0;
}
