// The process-wide Bitmap cache: one loaded bitmap and memory device context per image id.
#include "skin/bitmap_cache.h"

#include <new>

#include "skin/scaled_art.h"
#include "win32/handle_guards.h"

namespace {

// The handles stay raw: the cache lives in zero-filled static storage and is never destroyed, so
// what is still cached at exit goes with the process.
struct BitmapSlot {
  unsigned id;     // 0: the slot is free
  int dpi;
  int references;  // 0: the slot is free
  int width;
  int height;
  HDC dc;
  HBITMAP bitmap;
};

BitmapSlot g_bitmapCache[kBitmapCacheSlots];

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

BitmapImage::BitmapImage(HINSTANCE instance, HDC compatibleDc, unsigned id, int dpi)
    : width(0), height(0), dc(nullptr), bitmap(nullptr), slot(-1) {
  AcquireBitmap(instance, compatibleDc, id, dpi);
}

void BitmapImage::AcquireBitmap(HINSTANCE instance, HDC compatibleDc, unsigned id, int dpi) {
  // One pass finds the id's slot or else the first free one. Id 0 marks a free slot, so it is
  // neither looked up nor entered: such an image never shares a released slot's stale handles.
  if (dpi <= 0) dpi = kBaseDpi;  // not known yet: 100 %
  BitmapSlot* free = nullptr;
  for (BitmapSlot& cached : g_bitmapCache) {
    if (id == 0) break;
    if (cached.references == 0) {
      if (!free) free = &cached;
    } else if (cached.id == id && cached.dpi == dpi) {
      ++cached.references;
      width = cached.width;
      height = cached.height;
      dc = cached.dc;
      bitmap = cached.bitmap;
      slot = static_cast<int>(&cached - g_bitmapCache);
      return;
    }
  }

  GdiObject<HBITMAP> loaded(LoadScaledArt(instance, id, dpi, compatibleDc));
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

  // A full cache leaves the image working but unshared.
  if (!free) return;
  *free = BitmapSlot{id, dpi, 1, width, height, dc, bitmap};
  slot = static_cast<int>(free - g_bitmapCache);
}

void BitmapImage::ReleaseBitmap() {
  if (slot >= 0) {
    BitmapSlot& cached = g_bitmapCache[slot];
    if (--cached.references != 0) return;
    cached.id = 0;
  }
  // The last reference, or an image nobody shares.
  GdiObject<HBITMAP> ownedBitmap(bitmap);
  MemDc ownedDc(dc);  // freed first, which also takes the bitmap out of it
  dc = nullptr;
  bitmap = nullptr;
  slot = -1;
}

BitmapImage* NewBitmapImage(HINSTANCE instance, HDC compatibleDc, unsigned id, int dpi) {
  return new (std::nothrow) BitmapImage(instance, compatibleDc, id, dpi);
}

void DeleteBitmapImage(BitmapImage*& image) {
  if (!image) return;
  image->ReleaseBitmap();
  delete image;
  image = nullptr;
}
