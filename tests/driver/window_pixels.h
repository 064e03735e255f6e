// Pixels of the installer's window as captured from the screen, compared with the pictures the
// installer carries, and saved for people to look at.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A picture as 0x00RRGGBB values, row by row from the top.
struct Picture {
  SIZE size = {0, 0};
  std::vector<DWORD> pixels;
  DWORD at(int x, int y) const { return pixels[static_cast<size_t>(y) * size.cx + x]; }
};

Picture CaptureWindow(HWND window);
// A bitmap resource of the module (loaded as data), or an empty picture.
Picture LoadBitmapPicture(HMODULE module, int id);

// The part of the picture at source (sx, sy), width x height, equals the window picture at (x, y).
// With whiteSkipped, pure white pixels of the picture (drawn as transparent) are not compared.
bool ShowsPart(const Picture& window, int x, int y, const Picture& picture, int sx, int sy,
               int width, int height, bool whiteSkipped = false);
inline bool ShowsWhole(const Picture& window, int x, int y, const Picture& picture,
                       bool whiteSkipped = false) {
  return ShowsPart(window, x, y, picture, 0, 0, picture.size.cx, picture.size.cy, whiteSkipped);
}

// Pixels in the rectangle whose three channels are all at most (dark) or at least (light) level.
int CountDark(const Picture& picture, RECT rect, int level = 80);
int CountLight(const Picture& picture, RECT rect, int level = 200);
// The smallest rectangle holding every light pixel of rect; empty when there is none.
RECT LightBounds(const Picture& picture, RECT rect, int level = 200);

// Writes the picture as a 24-bit PNG file (uncompressed deflate blocks).
bool SavePng(const std::string& path, const Picture& picture);
