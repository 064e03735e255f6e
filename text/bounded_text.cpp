// Bounded copies into fixed-size text fields.
#include "text/bounded_text.h"

#include <string.h>
#include <wchar.h>
#include <windows.h>

bool CopyText(char* dest, size_t destSize, const char* src) {
  size_t length = strlen(src);
  if (length >= destSize) return false;
  memcpy(dest, src, length + 1);
  return true;
}

bool AppendText(char* dest, size_t destSize, const char* src) {
  size_t used = strlen(dest);
  if (used >= destSize) return false;
  return CopyText(dest + used, destSize - used, src);
}

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

void CopyField(char* field, size_t fieldSize, const char* text) {
  if (text)
    lstrcpynA(field, text, static_cast<int>(fieldSize));
  else
    field[0] = '\0';
}
