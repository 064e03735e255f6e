// Writing the unattended installation's log.
#include "unattended/install_log.h"

#include <stdarg.h>

#include "discovery/registry_access.h"
#include "discovery/registry_views.h"
#include "install/temp_file.h"
#include "text/bounded_text.h"

namespace {

// UTF-8 takes at most three bytes for one UTF-16 unit (four for a pair of them).
const int kUtf8Limit = 3 * kFormatSize;

const char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";
// Room for the system's text of a failure's error code, with the NUL.
const DWORD kErrorTextSize = 256;

// A new log is always a new file, written beside the path's name and renamed over it, so that
// nothing standing at the path is followed, opened or deleted by its path.
void CreateLogFile(const wchar_t* path, HeldFolder* folder, FileHandle* file) {
  wchar_t full[MAX_PATH];
  wchar_t* name = nullptr;
  DWORD length = GetFullPathNameW(path, MAX_PATH, full, &name);
  wchar_t bareName[MAX_PATH];
  if (length == 0 || length >= MAX_PATH || !name || !CopyText(bareName, MAX_PATH, name)) return;
  *name = L'\0';  // full is now the folder, with its backslash
  TempFile log;
  if (folder->Open(full) == ERROR_SUCCESS && log.Create(*folder, FILE_SHARE_READ) == ERROR_SUCCESS &&
      log.MoveOver(*folder, bareName) == ERROR_SUCCESS) {
    *file = log.Keep();
  }
}

// Room for every root's name, joined by "+", with a backslash and the NUL.
const int kRootNamesSize = 64;

// "HKCU+HKLM (64-bit)\" and the like: the roots that took a preset value, or, when none did,
// every root it was tried under.
void NameRoots(int roots, wchar_t (&names)[kRootNamesSize]) {
  const RegistryViews machine = LocalMachineViews();
  int tried = kRootCurrentUser;
  for (int i = 0; i < machine.count; ++i) tried |= machine.views[i].rootBit;
  if (!roots) roots = tried;
  CopyText(names, kRootNamesSize, (roots & kRootCurrentUser) ? L"HKCU" : L"");
  for (int i = 0; i < machine.count; ++i) {
    if (!(roots & machine.views[i].rootBit)) continue;
    if (names[0]) AppendText(names, kRootNamesSize, L"+");
    AppendText(names, kRootNamesSize, machine.views[i].name);
  }
  AppendText(names, kRootNamesSize, L"\\");
}

}  // namespace

InstallLog::InstallLog(const wchar_t* path) {
  if (path[0]) CreateLogFile(path, &folder_, &file_);
  // The mark tells Notepad, PowerShell and deployment consoles that the text is UTF-8.
  Write(kUtf8ByteOrderMark, sizeof kUtf8ByteOrderMark - 1);
}

void InstallLog::Write(const char* bytes, DWORD length) {
  if (!file_.valid()) return;
  DWORD written = 0;
  WriteFile(file_.get(), bytes, length, &written, nullptr);
  if (written != length) failed_ = true;
}

void InstallLog::Line(const wchar_t* format, ...) {
  if (!file_.valid()) return;
  wchar_t line[kFormatSize];
  va_list args;
  va_start(args, format);
  int length = FormatText(line, format, args);
  va_end(args);
  // The line end takes the NUL's place and the one to spare.
  line[length++] = L'\r';
  line[length++] = L'\n';
  char bytes[kUtf8Limit];
  int size = WideCharToMultiByte(CP_UTF8, 0, line, length, bytes, sizeof bytes, nullptr, nullptr);
  if (size == 0) {
    failed_ = true;
    return;
  }
  Write(bytes, static_cast<DWORD>(size));
}

void InstallLog::Note(const PayloadJob& job, const PayloadNote& note) {
  const wchar_t* kind = L"file";
  wchar_t root[kRootNamesSize] = L"";
  const wchar_t* key = job.installPath;
  const wchar_t* separator = L"";
  if (note.subkey) {
    kind = L"preset value";
    NameRoots(note.roots, root);
    key = note.subkey;
    separator = L"\\";
  }
  if (!note.error) {
    Line(L"Wrote %s: %s%s%s%s (%lu bytes)", kind, root, key, separator, note.name, note.size);
    return;
  }
  wchar_t message[kErrorTextSize];
  // One line: the system's own line breaks become spaces.
  if (!FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                          FORMAT_MESSAGE_MAX_WIDTH_MASK,
                      nullptr, note.error, 0, message, ARRAYSIZE(message), nullptr)) {
    message[0] = L'\0';
  }
  Line(L"Failed: %s%s%s%s: error %lu: %s", root, key, separator, note.name, note.error, message);
}

int InstallLog::Close(int exitCode) {
  if (failed_ && exitCode < kExitNotWritten) exitCode = kExitNotWritten;
  Line(L"Exit code: %d", exitCode);
  // Closing reports a write that a network volume could not complete.
  if ((!file_.Close() || failed_) && exitCode < kExitNotWritten) exitCode = kExitNotWritten;
  return exitCode;
}
