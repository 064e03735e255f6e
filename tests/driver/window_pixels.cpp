// Capturing, comparing and saving window pixels.
#include "tests/driver/window_pixels.h"

#include <stdio.h>

namespace {

std::vector<DWORD> ReadBits(HDC dc, HBITMAP bitmap, SIZE size) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * size.cy);
  GetDIBits(dc, bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
  for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

bool Channels(DWORD pixel, int level, bool dark) {
  for (int shift = 0; shift < 24; shift += 8) {
    int channel = (pixel >> shift) & 0xFF;
    if (dark ? channel > level : channel < level) return false;
  }
  return true;
}

int Count(const Picture& picture, RECT rect, int level, bool dark) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom && y < picture.size.cy; ++y)
    for (int x = rect.left; x < rect.right && x < picture.size.cx; ++x)
      if (Channels(picture.at(x, y), level, dark)) ++count;
  return count;
}

DWORD Crc(const unsigned char* data, size_t size, DWORD crc) {
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return crc;
}

void PutBig(std::string& out, DWORD value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBig(out, static_cast<DWORD>(data.size()));
  std::string typed = std::string(type, 4) + data;
  out += typed;
  PutBig(out, ~Crc(reinterpret_cast<const unsigned char*>(typed.data()), typed.size(), ~0u));
}

// A zlib stream of stored deflate blocks: no compression, so no library is needed.
std::string StoredZlib(const std::string& raw) {
  std::string out("\x78\x01", 2);
  const size_t kBlock = 65535;
  for (size_t at = 0; at == 0 || at < raw.size(); at += kBlock) {
    size_t length = raw.size() - at < kBlock ? raw.size() - at : kBlock;
    out += static_cast<char>(at + length >= raw.size() ? 1 : 0);
    out += static_cast<char>(length & 0xFF);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xFF);
    out += static_cast<char>((~length >> 8) & 0xFF);
    out.append(raw, at, length);
  }
  DWORD a = 1, b = 0;
  for (unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBig(out, (b << 16) | a);
  return out;
}

}  // namespace

Picture CaptureWindow(HWND window) {
  Picture picture;
  RECT client;
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  picture.size = {client.right, client.bottom};
  if (client.right <= 0 || client.bottom <= 0) return picture;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, previous);
  picture.pixels = ReadBits(memory, bitmap, picture.size);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

Picture LoadBitmapPicture(HMODULE module, int id) {
  Picture picture;
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return picture;
  BITMAP header;
  GetObjectA(bitmap, sizeof header, &header);
  picture.size = {header.bmWidth, header.bmHeight};
  HDC screen = GetDC(nullptr);
  picture.pixels = ReadBits(screen, bitmap, picture.size);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return picture;
}

bool ShowsPart(const Picture& window, int x, int y, const Picture& picture, int sx, int sy,
               int width, int height, bool whiteSkipped) {
  if (picture.pixels.empty() || x + width > window.size.cx || y + height > window.size.cy)
    return false;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      DWORD expected = picture.at(sx + column, sy + row);
      if (whiteSkipped && expected == 0xFFFFFF) continue;
      if (window.at(x + column, y + row) != expected) return false;
    }
  }
  return true;
}

int CountDark(const Picture& picture, RECT rect, int level) {
  return Count(picture, rect, level, true);
}

int CountLight(const Picture& picture, RECT rect, int level) {
  return Count(picture, rect, level, false);
}

RECT LightBounds(const Picture& picture, RECT rect, int level) {
  RECT bounds = {rect.right, rect.bottom, rect.left, rect.top};
  for (int y = rect.top; y < rect.bottom && y < picture.size.cy; ++y) {
    for (int x = rect.left; x < rect.right && x < picture.size.cx; ++x) {
      if (!Channels(picture.at(x, y), level, false)) continue;
      if (x < bounds.left) bounds.left = x;
      if (y < bounds.top) bounds.top = y;
      if (x + 1 > bounds.right) bounds.right = x + 1;
      if (y + 1 > bounds.bottom) bounds.bottom = y + 1;
    }
  }
  if (bounds.left >= bounds.right) SetRectEmpty(&bounds);
  return bounds;
}

bool SavePng(const std::string& path, const Picture& picture) {
  std::string header;
  PutBig(header, static_cast<DWORD>(picture.size.cx));
  PutBig(header, static_cast<DWORD>(picture.size.cy));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
  std::string raw;
  for (int y = 0; y < picture.size.cy; ++y) {
    raw += '\0';  // no filter
    for (int x = 0; x < picture.size.cx; ++x) {
      DWORD pixel = picture.at(x, y);
      raw += static_cast<char>((pixel >> 16) & 0xFF);
      raw += static_cast<char>((pixel >> 8) & 0xFF);
      raw += static_cast<char>(pixel & 0xFF);
    }
  }
  std::string png("\x89PNG\r\n\x1a\n", 8);
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlib(raw));
  PutChunk(png, "IEND", "");
  FILE* out = fopen(path.c_str(), "wb");
  if (!out) return false;
  bool written = fwrite(png.data(), 1, png.size(), out) == png.size();
  return fclose(out) == 0 && written;
}
