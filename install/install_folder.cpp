// Making the install folder.
#include "install/install_folder.h"

#include <windows.h>

#include <shlobj.h>

bool MakeInstallFolder(const char* folder, bool everyLevel) {
  // The levels above are made first; where they exist already this fails harmlessly.
  if (everyLevel) SHCreateDirectoryExA(nullptr, folder, nullptr);
  return SetCurrentDirectoryA(folder) || CreateDirectoryA(folder, nullptr);
}
