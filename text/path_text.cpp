// Folder paths and resource names as UTF-16 texts, edited in place.
#include "text/path_text.h"

#include <string.h>
#include <wchar.h>
#include <windows.h>

namespace {

// The system's letter test: letters of every script count, as the code-page test counted the
// letters of its code page. Only the neighbours of ASCII letters are ever changed by it.
bool IsLetter(wchar_t c) { return IsCharAlphaW(c) != FALSE; }

// Only a to z have their case changed; every other character is returned as it is.
wchar_t UpperChar(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

void RemoveChars(wchar_t* at, size_t count) {
  memmove(at, at + count, (wcslen(at + count) + 1) * sizeof(wchar_t));
}

// True when the text names, character for character, the current directory, which still
// exists: entering it again would change nothing. Discovery often probes one folder many times,
// and under Wine entering a folder costs several times what this check does.
bool IsCurrentDirectory(const wchar_t* text) {
  wchar_t current[MAX_PATH];
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, current);
  if (length == 0 || length >= MAX_PATH) return false;
  if (wcsncmp(text, current, length) != 0) return false;
  if (text[length] != L'\0' && !(text[length] == L'\\' && text[length + 1] == L'\0')) return false;
  const DWORD attributes = GetFileAttributesW(text);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

void LowerCaseAscii(wchar_t* text) {
  for (; *text; ++text) {
    if (*text >= L'A' && *text <= L'Z') *text = static_cast<wchar_t>(*text - L'A' + L'a');
  }
}

void TitleCasePath(wchar_t* text) {
  LowerCaseAscii(text);
  if (!text[0]) return;
  text[0] = UpperChar(text[0]);
  for (size_t i = 0; text[i] && text[i + 1]; ++i) {
    wchar_t next = text[i + 1];
    if (!IsLetter(text[i]) && next >= 0x41 && next <= 0x7A) text[i + 1] = UpperChar(next);
  }
}

bool AddTrailingBackslash(wchar_t* text, size_t size) {
  size_t length = wcslen(text);
  if (length == 0 || text[length - 1] == L'\\') return true;
  return AppendText(text, size, L"\\");
}

wchar_t* StripLeadingNonLetters(wchar_t* text) {
  if (!text[0] || IsLetter(text[0])) return text;
  if (wcslen(text) > 390) text[390] = L'\0';
  size_t first = 1;
  while (text[first] && !IsLetter(text[first])) ++first;
  RemoveChars(text, first);
  return text;
}

wchar_t* CutAfterLastChar(wchar_t* text, wchar_t ch) {
  for (int i = static_cast<int>(wcslen(text)) - 2; i >= 1; --i) {
    if (text[i] == ch) {
      text[i + 1] = L'\0';
      break;
    }
  }
  return text;
}

bool JoinPath(wchar_t* dest, size_t destSize, const wchar_t* name, const wchar_t* base) {
  const wchar_t* head = base ? base : dest;
  size_t headLength = wcslen(head);
  bool needsBackslash = headLength > 0 && head[headLength - 1] != L'\\';
  size_t total = headLength + (needsBackslash ? 1 : 0) + wcslen(name);
  if (total >= destSize) return false;
  if (base) memmove(dest, base, (headLength + 1) * sizeof(wchar_t));
  if (needsBackslash) wcscat(dest, L"\\");
  wcscat(dest, name);
  return true;
}

bool ProbePath(wchar_t* text) {
  int last = static_cast<int>(wcslen(text)) - 1;
  if (last >= 0 && text[last] == L'\\') text[last--] = L'\0';
  while (last > 2) {
    if (IsCurrentDirectory(text) || SetCurrentDirectoryW(text)) return true;
    if (text[last] == L'\\') return false;
    text[last--] = L'\0';
  }
  return false;
}

wchar_t* PrettifyFileName(wchar_t* name) {
  LowerCaseAscii(name);
  if (!name[0]) return name;
  name[0] = UpperChar(name[0]);
  for (int i = 0; i < static_cast<int>(wcslen(name)) - 1; ++i) {
    if (name[i] == L'_') {
      if (name[i + 1] == L'_') {
        RemoveChars(name + i, 2);
        name[i] = UpperChar(name[i]);
      }
      if (name[i] == L'_') name[i] = L' ';
    }
    wchar_t c = name[i];
    if (!c) break;  // a doubled underscore at the very end left nothing to look at
    if (c == L':') {
      RemoveChars(name + i, 1);
    } else if (!IsLetter(c) && c != L'\'' && c != L'.' && c != L'8') {
      name[i + 1] = UpperChar(name[i + 1]);
    }
  }
  return name;
}
