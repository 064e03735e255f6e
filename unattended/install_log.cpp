// Writing the unattended installation's log.
#include "unattended/install_log.h"

#include <stdarg.h>

namespace {

// wsprintfA never writes more than 1,024 bytes; a line's CR LF takes the NUL's place and one more.
const int kFormatLimit = 1024;
// Room for the system's text of a failure's error code, with the NUL.
const DWORD kErrorTextSize = 256;

// A new log is always a new file: whatever someone else put at the path is deleted, and anything
// put back before the creation makes it fail instead of being written through.
HANDLE CreateLogFile(const char* path) {
  if (!path[0]) return INVALID_HANDLE_VALUE;
  DeleteFileA(path);
  return CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// Indexed by the roots that took a preset value; a value that none took was tried under both.
const char* const kRootNames[] = {"HKCU+HKLM\\", "HKCU\\", "HKLM\\", "HKCU+HKLM\\"};

}  // namespace

InstallLog::InstallLog(const char* path) : file_(CreateLogFile(path)) {}

void InstallLog::Line(const char* format, ...) {
  if (!file_.valid()) return;
  char line[kFormatLimit + 1];
  va_list args;
  va_start(args, format);
  DWORD length = static_cast<DWORD>(wvsprintfA(line, format, args));
  va_end(args);
  line[length++] = '\r';
  line[length++] = '\n';
  DWORD written = 0;
  WriteFile(file_.get(), line, length, &written, nullptr);
  if (written != length) failed_ = true;
}

void InstallLog::Note(const PayloadJob& job, const PayloadNote& note) {
  const char* kind = "file";
  const char* root = "";
  const char* key = job.installPath;
  const char* separator = "";
  if (note.subkey) {
    kind = "preset value";
    root = kRootNames[note.roots];
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
