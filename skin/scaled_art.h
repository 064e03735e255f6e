// The window's art at any display scale: the 100 % bitmap resources as they are, and sets drawn
// for 150 and 200 % stored as PNG resources (types ART150 and ART200, named by the bitmap's id).
// Other scales take the nearest larger set (above 200 %, the 200 % set) fitted with halftone
// filtering.
#pragma once

#include <windows.h>

// The DPI of the drawn set that art shown at dpi comes from: 96, 144 or 192.
int ArtSetDpi(int dpi);

// The size of art drawn at sourceDpi when shown at dpi. A strip of square frames (a width that
// is a whole number of heights) keeps whole square frames.
SIZE ScaledArtSize(SIZE source, int sourceDpi, int dpi);

// The bitmap of the id at dpi, or null when the module has no bitmap of that id. Its size is the
// 100 % bitmap's scaled (ScaledArtSize), whichever set it comes from; a set without the id falls
// back to the 100 % bitmap, scaled.
HBITMAP LoadScaledArt(HINSTANCE instance, unsigned id, int dpi, HDC compatibleDc);
