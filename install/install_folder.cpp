// Making the install folder.
#include "install/install_folder.h"

#include <windows.h>

#include <shlobj.h>

bool MakeInstallFolder(const char* folder, bool everyLevel, bool* created) {
  DWORD error = GetFileAttributesA(folder) == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
  *created = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  // The levels above are made first; where they exist already this fails harmlessly.
  if (everyLevel) SHCreateDirectoryExA(nullptr, folder, nullptr);
  return SetCurrentDirectoryA(folder) || CreateDirectoryA(folder, nullptr);
}
