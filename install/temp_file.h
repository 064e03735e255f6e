// A new file under a random name in a held folder, deleted through its own handle unless it is
// moved into place.
#pragma once

#include <windows.h>

#include <utility>

#include "install/held_folder.h"
#include "win32/handle_guards.h"

// Renamed into place or deleted through its own handle, never by name, so a link put in its
// name's place cannot redirect either step. Its ".tmp" name is never taken for a plug-in.
class TempFile {
 public:
  TempFile() = default;
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  // Creates the file in the folder, for writing, shared with others as share says. Returns 0, or
  // the Win32 error.
  DWORD Create(const HeldFolder& folder, ULONG share);
  HANDLE get() const { return file_.get(); }

  // Puts this file in the place of name (a bare name) in the folder, replacing what stands there,
  // a link itself rather than its target. The file is then kept.
  DWORD MoveOver(const HeldFolder& folder, const wchar_t* name);
  // Hands the file moved into place over, still open.
  FileHandle Keep() { return std::move(file_); }

 private:
  FileHandle file_;
  bool placed_ = false;
};
