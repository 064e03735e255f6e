// For the demo run without a display: starts the installer, waits for its window, saves the
// client area as a 32-bit BMP file and closes the window with Escape.
// Usage: demo_snapshot INSTALLER.exe OUTPUT.bmp; exit code 0 when the picture was saved and the
// installer ended with 0.
#include <windows.h>

#include <stdio.h>

#include <vector>

#include "tests/app/installer_process.h"

namespace {

bool SaveBmp(const char* path, const std::vector<DWORD>& pixels, SIZE size) {
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = size.cx;
  info.biHeight = -size.cy;  // rows top-down, as captured
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  const DWORD pixelBytes = static_cast<DWORD>(pixels.size() * sizeof(DWORD));
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + pixelBytes;
  FILE* out = fopen(path, "wb");
  if (!out) return false;
  bool written = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
                 fwrite(pixels.data(), 1, pixelBytes, out) == pixelBytes;
  return fclose(out) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: demo_snapshot INSTALLER.exe OUTPUT.bmp\n");
    return 2;
  }
  InstallerProcess installer;
  if (!installer.Start(argv[1])) {
    fprintf(stderr, "cannot start %s\n", argv[1]);
    return 1;
  }
  HWND window = installer.WaitForWindow();
  if (!window) {
    fprintf(stderr, "the installer showed no window\n");
    return 1;
  }
  Sleep(500);  // let the first paint reach the screen
  SIZE size;
  std::vector<DWORD> pixels = CaptureClientArea(window, &size);
  bool saved = SaveBmp(argv[2], pixels, size);
  printf("%s the %ldx%ld client area to %s\n", saved ? "saved" : "could not save", size.cx,
         size.cy, argv[2]);
  PressKey(window, VK_ESCAPE);
  DWORD exitCode = 1;
  bool ended = installer.WaitForExit(&exitCode);
  printf("the installer %s with exit code %lu\n", ended ? "ended" : "did not end", exitCode);
  return saved && ended && exitCode == 0 ? 0 : 1;
}
