// The unattended installation's log: UTF-8 text with a byte-order mark, one fact per line, CR LF
// line ends. Without a file every line goes nowhere.
#pragma once

#include <windows.h>

#include "install/held_folder.h"
#include "install/payload_writer.h"
#include "unattended/exit_codes.h"
#include "win32/handle_guards.h"

class InstallLog : public PayloadObserver {
 public:
  // Without a path there is no file. With one, its folder is opened and held as an install folder
  // is (refused when it is itself a link), and whatever stands at the path, a link included, is
  // replaced by a new, empty log through the folder's handle, never followed. The log is held
  // without write sharing until Close, so that no other installer can replace or write it.
  explicit InstallLog(const wchar_t* path);
  InstallLog(const InstallLog&) = delete;
  InstallLog& operator=(const InstallLog&) = delete;

  bool IsOpen() const { return file_.valid(); }

  // One line, formatted by wsprintfW; a line longer than 1,023 characters is cut there.
  void Line(const wchar_t* format, ...);
  // "Wrote file: " or "Wrote preset value: " with the full path and size, or "Failed: ", the full
  // path, the error's number and the system's message for it. A failure without a name is the
  // install folder's own.
  void Note(const PayloadJob& job, const PayloadNote& note) override;

  // Ends the log with the line "Exit code: " and closes it. Returns the exit code, raised to
  // kExitNotWritten when the log could not be written to its end.
  int Close(int exitCode);

 private:
  void Write(const char* bytes, DWORD length);

  HeldFolder folder_;
  FileHandle file_;
  bool failed_ = false;
};
