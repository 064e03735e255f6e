// Reading the unattended installation's switches from the command line.
#include "unattended/command_line.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text after name (lower case) when text starts with it in any case, else null.
const char* AfterSwitch(const char* text, const char* name) {
  for (; *name; ++text, ++name) {
    char c = *text;
    if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    if (c != *name) return nullptr;
  }
  return text;
}

// Reads the text up to its end (toEnd) or up to the first blank outside quotes. What it reads goes
// into dest (size bytes; nowhere when size is 0) without the quotes and without blanks at its end;
// dest is left empty when that does not fit. Returns the text after what was read.
const char* ReadPart(const char* text, char* dest, size_t size, bool toEnd) {
  bool quoted = false;
  size_t length = 0;
  size_t kept = 0;
  for (; *text && (toEnd || quoted || !IsBlank(*text)); ++text) {
    if (*text == '"') {
      quoted = !quoted;
      continue;
    }
    if (length < size) dest[length] = *text;
    ++length;
    if (!IsBlank(*text)) kept = length;
  }
  if (size) dest[kept < size ? kept : 0] = '\0';
  return text;
}

}  // namespace

void ReadCommandLine(const char* text, CommandLine* command) {
  char word[MAX_PATH + 5];  // the longest word understood: /LOG= and a path
  text = ReadPart(text, word, sizeof word, false);  // the program's name
  for (;;) {
    while (IsBlank(*text)) ++text;
    if (!*text) return;
    // /D= takes the rest of the line, quoted or not.
    if (const char* value = AfterSwitch(text + (*text == '"'), "/d=")) {
      char* folder = command->folder;
      ReadPart(value, folder, sizeof command->folder, true);
      // A relative path would be taken from whatever folder discovery entered last.
      bool fromRoot = folder[0] && ((folder[1] == ':' && folder[2] == '\\') ||
                                    (folder[0] == '\\' && folder[1] == '\\'));
      if (!fromRoot || !AddTrailingBackslash(folder, sizeof command->folder) ||
          command->uninstall) {
        command->invalid = true;
      }
      return;
    }
    text = ReadPart(text, word, sizeof word, false);
    const char* value = AfterSwitch(word, "/s");
    if (value && !*value) {
      command->unattended = true;
    } else if ((value = AfterSwitch(word, "/uninstall")) && !*value) {
      command->uninstall = true;
    } else if ((value = AfterSwitch(word, "/allowdowngrade")) && !*value) {
      command->allowDowngrade = true;
    } else if (!(value = AfterSwitch(word, "/log=")) || !*value) {
      command->invalid = true;
    } else {
      CopyText(command->logPath, sizeof command->logPath, value);
    }
  }
}
