// Tiling and the pixel-by-pixel copies of Bitmap images.
#include "skin/pixel_copies.h"

#include "skin/bitmap_cache.h"

namespace {

const COLORREF kTransparentWhite = 0xFFFFFF;

enum class Write { kSkipWhite, kOpaque };

// Copies source (sx, sy) to (x, y); an image without a device context gives black.
inline void CopyPixel(const BitmapImage& image, HDC dest, int sx, int sy, int x, int y,
                      Write write) {
  if (!image.dc) {
    SetPixelV(dest, x, y, 0);
    return;
  }
  COLORREF colour = GetPixel(image.dc, sx, sy);
  if (write == Write::kSkipWhite && colour == kTransparentWhite) return;
  SetPixelV(dest, x, y, colour);
}

}  // namespace

int CentreOutColumn(int width, int i) {
  int centre = width / 2;
  return (i % 2 == 0) ? centre + i / 2 : centre - 1 - i / 2;
}

void BitmapImage::TileBitmap(HDC dest, RECT rect) const {
  // A blank image made from an id without size bits has nothing to tile with.
  if (!dc || width <= 0 || height <= 0) return;
  int tileX = 0;
  int tileY = 0;
  do {
    int x = width * tileX;
    int sourceX = 0;
    if (x < rect.left) {
      x = rect.left;
      sourceX = rect.left % width;
    }
    int y = height * tileY;
    int sourceY = 0;
    if (y < rect.top) {
      y = rect.top;
      sourceY = rect.top % height;
    }
    int w = x + width > rect.right ? rect.right - x : width;
    int h = y + height > rect.bottom ? rect.bottom - y : height;
    // A tile clamped to the rectangle's corner stops at the image's edge; the next tile of the
    // row (or the next row) covers the rest from the image's start.
    if (w > width - sourceX) w = width - sourceX;
    if (h > height - sourceY) h = height - sourceY;
    if (w > 0 && h > 0) BitBlt(dest, x, y, w, h, dc, sourceX, sourceY, SRCCOPY);
    ++tileX;
    if (width * tileX > rect.right) {
      tileX = 0;
      ++tileY;
    }
  } while (height * tileY <= rect.bottom);
}

void BitmapImage::DrawCentreOut(HDC dest, int x, int y, int dx, int dy) const {
  for (int i = 0; i < width; ++i) {
    int column = CentreOutColumn(width, i);
    for (int row = 0; row < height; ++row)
      CopyPixel(*this, dest, column, row, x + dx + column, y + dy + row, Write::kSkipWhite);
  }
}

void BitmapImage::DrawCentreOutDirect(HDC dest, int x, int y, int dx, int dy) const {
  // Aimed at the window itself, so SetPixel, and the image grows from its middle outwards.
  for (int i = 0; i < width; ++i) {
    int column = CentreOutColumn(width, i);
    for (int row = 0; row < height; ++row) {
      if (!dc) {
        SetPixel(dest, x + dx + column, y + dy + row, 0);
        continue;
      }
      COLORREF colour = GetPixel(dc, column, row);
      if (colour != kTransparentWhite) SetPixel(dest, x + dx + column, y + dy + row, colour);
    }
  }
}

void BitmapImage::DrawFrame(HDC dest, int first, int x, int end, int y) const {
  for (int column = first; column < end; ++column)
    for (int row = 0; row < height; ++row)
      CopyPixel(*this, dest, column, row, x + column - first, y + row, Write::kOpaque);
}

void BitmapImage::DrawFrameTransparent(HDC dest, int first, int x, int end, int y) const {
  for (int column = first; column < end; ++column)
    for (int row = 0; row < height; ++row)
      CopyPixel(*this, dest, column, row, x + column - first, y + row, Write::kSkipWhite);
}

void BitmapImage::DrawFrameTransposed(HDC dest, int first, int x, int end, int y) const {
  for (int k = 0; k < end - first; ++k)
    for (int j = 0; j < height; ++j)
      CopyPixel(*this, dest, first + j, k, x + k, y + j, Write::kOpaque);
}

void BitmapImage::DrawRegion(HDC dest, RECT rect, int sourceX, int sourceY) const {
  for (int c = 0; c < rect.right - rect.left; ++c)
    for (int r = 0; r < rect.bottom - rect.top; ++r)
      CopyPixel(*this, dest, sourceX + c, sourceY + r, rect.left + c, rect.top + r,
                Write::kOpaque);
}

void BitmapImage::DrawRegionTransposed(HDC dest, RECT rect, int sourceX, int sourceY) const {
  for (int c = 0; c < rect.right - rect.left; ++c)
    for (int r = 0; r < rect.bottom - rect.top; ++r)
      CopyPixel(*this, dest, sourceX + c, sourceY + r, rect.left + r, rect.top + c,
                Write::kOpaque);
}
