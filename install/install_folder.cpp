// Making the install folder.
#include "install/install_folder.h"

#include <windows.h>

#include <shlobj.h>

bool MakeInstallFolder(const wchar_t* folder, bool everyLevel, bool* created) {
  DWORD error = GetFileAttributesW(folder) == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
  *created = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  // The levels above are made first; where they exist already this fails harmlessly.
  if (everyLevel) SHCreateDirectoryExW(nullptr, folder, nullptr);
  return SetCurrentDirectoryW(folder) || CreateDirectoryW(folder, nullptr);
}
