// Bounded copies into fixed-size text fields.
#include "text/bounded_text.h"

#include <windows.h>

#include <string.h>
#include <wchar.h>

namespace {

bool IsHighSurrogate(char) { return false; }
bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

template <class Char>
void CopyCut(Char* field, size_t fieldSize, const Char* text) {
  if (fieldSize == 0) return;
  size_t length = 0;
  if (text) {
    for (; length + 1 < fieldSize && text[length]; ++length) field[length] = text[length];
    // A character outside the Basic Multilingual Plane is kept whole or left out.
    if (text[length] && length > 0 && IsHighSurrogate(field[length - 1])) --length;
  }
  field[length] = 0;
}

}  // namespace

bool CopyText(wchar_t* dest, size_t destSize, const wchar_t* src) {
  size_t length = wcslen(src);
  if (length >= destSize) return false;
  memcpy(dest, src, (length + 1) * sizeof(wchar_t));
  return true;
}

bool AppendText(wchar_t* dest, size_t destSize, const wchar_t* src) {
  size_t used = wcslen(dest);
  if (used >= destSize) return false;
  return CopyText(dest + used, destSize - used, src);
}

void CopyField(char* field, size_t fieldSize, const char* text) { CopyCut(field, fieldSize, text); }
void CopyField(wchar_t* field, size_t fieldSize, const wchar_t* text) {
  CopyCut(field, fieldSize, text);
}

int FormatText(wchar_t (&dest)[kFormatSize], const wchar_t* format, va_list args) {
  int length = wvsprintfW(dest, format, args);
  if (length < 0) length = 0;
  if (length > kFormatSize - 2) length = kFormatSize - 2;
  dest[length] = L'\0';
  return length;
}
