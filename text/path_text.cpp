// Folder paths and resource names as byte texts in the ANSI code page, edited in place.
#include "text/path_text.h"

#include <string.h>
#include <windows.h>

namespace {

bool IsLetter(char c) { return IsCharAlphaA(c) != FALSE; }

// CharUpperA upper-cases a single character when it is passed in the low word of the pointer.
char UpperChar(char c) {
  return static_cast<char>(reinterpret_cast<UINT_PTR>(
      CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<unsigned char>(c))))));
}

void RemoveChars(char* at, size_t count) { memmove(at, at + count, strlen(at + count) + 1); }

// True when the text names, byte for byte, the current directory, which still exists: entering
// it again would change nothing. Discovery often probes one folder many times, and under Wine
// entering a folder costs several times what this check does.
bool IsCurrentDirectory(const char* text) {
  char current[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(sizeof current, current);
  if (length == 0 || length >= sizeof current) return false;
  if (strncmp(text, current, length) != 0) return false;
  if (text[length] != '\0' && !(text[length] == '\\' && text[length + 1] == '\0')) return false;
  const DWORD attributes = GetFileAttributesA(text);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

void LowerCaseAscii(char* text) {
  for (; *text; ++text) {
    if (*text >= 'A' && *text <= 'Z') *text = static_cast<char>(*text - 'A' + 'a');
  }
}

void TitleCasePath(char* text) {
  LowerCaseAscii(text);
  if (!text[0]) return;
  text[0] = UpperChar(text[0]);
  for (size_t i = 0; text[i] && text[i + 1]; ++i) {
    unsigned char next = static_cast<unsigned char>(text[i + 1]);
    if (!IsLetter(text[i]) && next >= 0x41 && next <= 0x7A) text[i + 1] = UpperChar(text[i + 1]);
  }
}

bool AddTrailingBackslash(char* text, size_t size) {
  size_t length = strlen(text);
  if (length == 0 || text[length - 1] == '\\') return true;
  return AppendText(text, size, "\\");
}

char* StripLeadingNonLetters(char* text) {
  if (!text[0] || IsLetter(text[0])) return text;
  if (strlen(text) > 390) text[390] = '\0';
  size_t first = 1;
  while (text[first] && !IsLetter(text[first])) ++first;
  RemoveChars(text, first);
  return text;
}

char* CutAfterLastChar(char* text, char ch) {
  for (int i = static_cast<int>(strlen(text)) - 2; i >= 1; --i) {
    if (text[i] == ch) {
      text[i + 1] = '\0';
      break;
    }
  }
  return text;
}

bool JoinPath(char* dest, size_t destSize, const char* name, const char* base) {
  const char* head = base ? base : dest;
  size_t headLength = strlen(head);
  bool needsBackslash = headLength > 0 && head[headLength - 1] != '\\';
  size_t total = headLength + (needsBackslash ? 1 : 0) + strlen(name);
  if (total >= destSize) return false;
  if (base) memmove(dest, base, headLength + 1);
  if (needsBackslash) strcat(dest, "\\");
  strcat(dest, name);
  return true;
}

bool ProbePath(char* text) {
  int last = static_cast<int>(strlen(text)) - 1;
  if (last >= 0 && text[last] == '\\') text[last--] = '\0';
  while (last > 2) {
    if (IsCurrentDirectory(text) || SetCurrentDirectoryA(text)) return true;
    if (text[last] == '\\') return false;
    text[last--] = '\0';
  }
  return false;
}

char* PrettifyFileName(char* name) {
  LowerCaseAscii(name);
  if (!name[0]) return name;
  name[0] = UpperChar(name[0]);
  for (int i = 0; i < static_cast<int>(strlen(name)) - 1; ++i) {
    if (name[i] == '_') {
      if (name[i + 1] == '_') {
        RemoveChars(name + i, 2);
        name[i] = UpperChar(name[i]);
      }
      if (name[i] == '_') name[i] = ' ';
    }
    char c = name[i];
    if (!c) break;  // a doubled underscore at the very end left nothing to look at
    if (c == ':') {
      RemoveChars(name + i, 1);
    } else if (!IsLetter(c) && c != '\'' && c != '.' && c != '8') {
      name[i + 1] = UpperChar(name[i + 1]);
    }
  }
  return name;
}
