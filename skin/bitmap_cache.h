// Bitmap images loaded from the program's resources, shared by id through a process-wide
// reference-counted cache, and their drawing operations.
#pragma once

#include <windows.h>

const int kBitmapCacheSlots = 50;

#include "skin/dpi_scale.h"

// An image id's low 16 bits name a bitmap resource, drawn at the display scale of dpi
// (skin/scaled_art.h). When there is none, bits 0 to 9 give the width and bits 16 to 25 the
// height of a blank bitmap instead, at any dpi. The whole id and the dpi are the cache key.
struct BitmapImage {
  BitmapImage(HINSTANCE instance, HDC compatibleDc, unsigned id, int dpi = kBaseDpi);

  void AcquireBitmap(HINSTANCE instance, HDC compatibleDc, unsigned id, int dpi = kBaseDpi);
  // Gives back this image's reference; the last one deletes the device context and bitmap.
  void ReleaseBitmap();

  // Fills the rectangle with tiles anchored at the destination's origin.
  void TileBitmap(HDC dest, RECT rect) const;

  // Per-pixel copies (pixel_copies.cpp). Pure white 0xFFFFFF is transparent where a copy says
  // so. An image without a device context paints its whole area black.
  void DrawCentreOut(HDC dest, int x, int y, int dx, int dy) const;
  void DrawCentreOutDirect(HDC dest, int x, int y, int dx, int dy) const;
  void DrawFrame(HDC dest, int first, int x, int end, int y) const;
  void DrawFrameTransparent(HDC dest, int first, int x, int end, int y) const;
  void DrawFrameTransposed(HDC dest, int first, int x, int end, int y) const;
  void DrawRegion(HDC dest, RECT rect, int sourceX, int sourceY) const;
  void DrawRegionTransposed(HDC dest, RECT rect, int sourceX, int sourceY) const;

  int width;
  int height;
  HDC dc;          // shared with the other images of this id while cached
  HBITMAP bitmap;  // shared likewise
  int slot;        // the cache slot shared, or -1: the image alone owns its handles
};

// A new image of the id, or null when there is no memory for its record.
BitmapImage* NewBitmapImage(HINSTANCE instance, HDC compatibleDc, unsigned id,
                            int dpi = kBaseDpi);
// Releases the image and frees its record; null is allowed. Clears the caller's pointer.
void DeleteBitmapImage(BitmapImage*& image);
