// Reading the unattended installation's switches from the command line.
#include "unattended/command_line.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The text after name (lower case) when text starts with it in any case, else null.
const wchar_t* AfterSwitch(const wchar_t* text, const wchar_t* name) {
  for (; *name; ++text, ++name) {
    wchar_t c = *text;
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != *name) return nullptr;
  }
  return text;
}

// Reads the text up to its end (toEnd) or up to the first blank outside quotes. What it reads goes
// into dest (size characters; nowhere when size is 0) without the quotes and without blanks at
// its end; dest is left empty when that does not fit. Returns the text after what was read.
const wchar_t* ReadPart(const wchar_t* text, wchar_t* dest, size_t size, bool toEnd) {
  bool quoted = false;
  size_t length = 0;
  size_t kept = 0;
  for (; *text && (toEnd || quoted || !IsBlank(*text)); ++text) {
    if (*text == L'"') {
      quoted = !quoted;
      continue;
    }
    if (length < size) dest[length] = *text;
    ++length;
    if (!IsBlank(*text)) kept = length;
  }
  if (size) dest[kept < size ? kept : 0] = L'\0';
  return text;
}

}  // namespace

void ReadCommandLine(const wchar_t* text, CommandLine* command) {
  wchar_t word[MAX_PATH + 5];  // the longest word understood: /LOG= and a path
  text = ReadPart(text, word, ARRAYSIZE(word), false);  // the program's name
  for (;;) {
    while (IsBlank(*text)) ++text;
    if (!*text) return;
    // /D= takes the rest of the line, quoted or not.
    if (const wchar_t* value = AfterSwitch(text + (*text == L'"'), L"/d=")) {
      wchar_t* folder = command->folder;
      ReadPart(value, folder, ARRAYSIZE(command->folder), true);
      // A relative path would be taken from whatever folder discovery entered last.
      bool fromRoot = folder[0] && ((folder[1] == L':' && folder[2] == L'\\') ||
                                    (folder[0] == L'\\' && folder[1] == L'\\'));
      if (!fromRoot || !AddTrailingBackslash(folder, ARRAYSIZE(command->folder)) ||
          command->uninstall) {
        command->invalid = true;
      }
      return;
    }
    text = ReadPart(text, word, ARRAYSIZE(word), false);
    const wchar_t* value = AfterSwitch(word, L"/s");
    if (value && !*value) {
      command->unattended = true;
    } else if ((value = AfterSwitch(word, L"/uninstall")) && !*value) {
      command->uninstall = true;
    } else if ((value = AfterSwitch(word, L"/allowdowngrade")) && !*value) {
      command->allowDowngrade = true;
    } else if (!(value = AfterSwitch(word, L"/log=")) || !*value) {
      command->invalid = true;
    } else {
      CopyText(command->logPath, ARRAYSIZE(command->logPath), value);
    }
  }
}
