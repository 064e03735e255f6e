// The unattended installation's log: UTF-8 text with a byte-order mark, one fact per line, CR LF
// line ends. Without a file every line goes nowhere.
#pragma once

#include <windows.h>

#include "install/file_handle.h"
#include "install/held_folder.h"
#include "install/payload_writer.h"

// Exit codes of an unattended installation; the log's last line states the one it ends with.
const int kExitInstalled = 0;        // everything selected was written
const int kExitNoFolder = 1;         // no plug-in folder found and no /D=; nothing written
const int kExitNotWritten = 2;       // a folder, file or preset value not written, or the log
const int kExitAnotherInstance = 3;  // another installer is running
const int kExitCommandLine = 4;      // a switch it does not understand, or no log file

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
