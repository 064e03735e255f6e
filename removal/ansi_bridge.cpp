// Conversions between UTF-16 and ANSI texts.
#include "removal/ansi_bridge.h"

bool WidenText(const char* text, wchar_t* dest, int destSize) {
  return MultiByteToWideChar(CP_ACP, 0, text, -1, dest, destSize) != 0;
}

bool NarrowText(const wchar_t* text, char* dest, int destSize) {
  // A character the code page lacks would become '?' and name another file.
  BOOL lossy = FALSE;
  return WideCharToMultiByte(CP_ACP, 0, text, -1, dest, destSize, nullptr, &lossy) != 0 && !lossy;
}
