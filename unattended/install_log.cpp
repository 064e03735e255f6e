// Writing the unattended installation's log.
#include "unattended/install_log.h"

#include <stdarg.h>

#include "discovery/registry_access.h"
#include "discovery/registry_views.h"
#include "install/temp_file.h"
#include "text/bounded_text.h"

namespace {

// wvsprintfA never writes more than 1,024 bytes with the NUL; a line's CR LF takes the NUL's place
// and one more.
const int kFormatLimit = 1024;
// Room for the system's text of a failure's error code, with the NUL.
const DWORD kErrorTextSize = 256;

// A new log is always a new file, written beside the path's name and renamed over it, so that
// nothing standing at the path is followed, opened or deleted by its path.
void CreateLogFile(const char* path, HeldFolder* folder, FileHandle* file) {
  char full[MAX_PATH];
  char* name = nullptr;
  DWORD length = GetFullPathNameA(path, MAX_PATH, full, &name);
  wchar_t wideName[MAX_PATH];
  if (length == 0 || length >= MAX_PATH || !name ||
      !MultiByteToWideChar(CP_ACP, 0, name, -1, wideName, MAX_PATH)) {
    return;
  }
  *name = '\0';  // full is now the folder, with its backslash
  TempFile log;
  if (folder->Open(full) == ERROR_SUCCESS && log.Create(*folder, FILE_SHARE_READ) == ERROR_SUCCESS &&
      log.MoveOver(*folder, wideName) == ERROR_SUCCESS) {
    *file = log.Keep();
  }
}

// Room for every root's name, joined by "+", with a backslash and the NUL.
const int kRootNamesSize = 64;

// "HKCU+HKLM (64-bit)\" and the like: the roots that took a preset value, or, when none did,
// every root it was tried under.
void NameRoots(int roots, char (&names)[kRootNamesSize]) {
  const RegistryViews machine = LocalMachineViews();
  int tried = kRootCurrentUser;
  for (int i = 0; i < machine.count; ++i) tried |= machine.views[i].rootBit;
  if (!roots) roots = tried;
  CopyText(names, sizeof names, (roots & kRootCurrentUser) ? "HKCU" : "");
  for (int i = 0; i < machine.count; ++i) {
    if (!(roots & machine.views[i].rootBit)) continue;
    if (names[0]) AppendText(names, sizeof names, "+");
    AppendText(names, sizeof names, machine.views[i].name);
  }
  AppendText(names, sizeof names, "\\");
}

}  // namespace

InstallLog::InstallLog(const char* path) {
  if (path[0]) CreateLogFile(path, &folder_, &file_);
}

void InstallLog::Line(const char* format, ...) {
  if (!file_.valid()) return;
  char line[kFormatLimit + 1];
  va_list args;
  va_start(args, format);
  int length = wvsprintfA(line, format, args);
  va_end(args);
  // Windows returns the length written; Wine returns 1,024 for a line it cut.
  if (length < 0) length = 0;
  if (length > kFormatLimit - 1) length = kFormatLimit - 1;
  line[length++] = '\r';
  line[length++] = '\n';
  DWORD written = 0;
  WriteFile(file_.get(), line, static_cast<DWORD>(length), &written, nullptr);
  if (written != static_cast<DWORD>(length)) failed_ = true;
}

void InstallLog::Note(const PayloadJob& job, const PayloadNote& note) {
  const char* kind = "file";
  char root[kRootNamesSize] = "";
  const char* key = job.installPath;
  const char* separator = "";
  if (note.subkey) {
    kind = "preset value";
    NameRoots(note.roots, root);
    key = note.subkey;
    separator = "\\";
  }
  if (!note.error) {
    Line("Wrote %s: %s%s%s%s (%lu bytes)", kind, root, key, separator, note.name, note.size);
    return;
  }
  char message[kErrorTextSize];
  // One line: the system's own line breaks become spaces.
  if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                          FORMAT_MESSAGE_MAX_WIDTH_MASK,
                      nullptr, note.error, 0, message, sizeof message, nullptr)) {
    message[0] = '\0';
  }
  Line("Failed: %s%s%s%s: error %lu: %s", root, key, separator, note.name, note.error, message);
}

int InstallLog::Close(int exitCode) {
  if (failed_ && exitCode < kExitNotWritten) exitCode = kExitNotWritten;
  Line("Exit code: %d", exitCode);
  // Closing reports a write that a network volume could not complete.
  if ((!file_.Close() || failed_) && exitCode < kExitNotWritten) exitCode = kExitNotWritten;
  return exitCode;
}
