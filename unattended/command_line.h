// The switches of an unattended installation: /S, /LOG=file and /D=folder, read from the command
// line without regard to case. Without /S the command line means nothing.
#pragma once

#include <windows.h>

#include "text/path_text.h"

// Zero-initialised by the caller before it is read.
struct CommandLine {
  bool unattended;               // /S was given
  bool uninstall;                // /uninstall: remove what was installed
  bool allowDowngrade;           // /ALLOWDOWNGRADE: /S may replace a newer installed version
  bool invalid;                  // an unknown switch, or a /D= or /LOG= that names nothing usable
  wchar_t folder[kFolderTextSize];  // /D=, a full path ending in a backslash; "" when not given
  wchar_t logPath[MAX_PATH];        // /LOG=; "" when not given
};

// Reads the process's whole command line (GetCommandLineW: paths in any script), skipping the program's name. Switches are words between
// blanks, and quotes (which no file name holds) are left out of them. /D= must come last: it takes
// the rest of the line, spaces included, and must name a folder from a drive's root ("C:\...")
// or a share ("\\server\share\..."). A later /LOG= replaces an earlier one. /D= with /uninstall
// is invalid: removal takes its folders from the record.
void ReadCommandLine(const wchar_t* text, CommandLine* command);
