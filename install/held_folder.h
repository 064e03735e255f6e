// The install folder held open for a whole installation, so that nothing can move, replace or
// redirect it while the payload is written into it.
#pragma once

#include <windows.h>

#include "install/link_checks.h"
#include "win32/handle_guards.h"

class HeldFolder {
 public:
  // Opens the folder (a text that ends in a backslash) and holds it. Returns 0, or the Win32
  // error; kLinkRefusedError when the folder itself is a junction, mount point or symbolic link.
  // Folders above it may be links: files are then written where the folder really is.
  DWORD Open(const wchar_t* folder);
  bool IsOpen() const { return handle_.valid(); }
  void Close() { handle_.Close(); }
  // Files in the folder are opened relative to this handle, by a bare name.
  HANDLE handle() const { return handle_.get(); }

  // path = the folder's final path, a backslash and name. False when it does not fit.
  bool PathOf(const wchar_t* name, wchar_t (&path)[kFinalPathSize]) const;

 private:
  FileHandle handle_;
  wchar_t finalPath_[kFinalPathSize] = L"";
};
