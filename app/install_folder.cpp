// Preparing the install folder from the folder list.
#include "app/install_folder.h"

#include <shlobj.h>

#include "text/path_text.h"

bool PrepareInstallFolder(HWND list, char* installFolder) {
  installFolder[0] = '\0';
  LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return false;
  LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, selected, 0);
  if (length == CB_ERR || length >= static_cast<LRESULT>(kFolderTextSize)) return false;
  if (SendMessageA(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(installFolder)) == CB_ERR)
    return false;
  return MakeInstallFolder(installFolder, false);
}

bool MakeInstallFolder(const char* folder, bool everyLevel) {
  // The levels above are made first; where they exist already this fails harmlessly.
  if (everyLevel) SHCreateDirectoryExA(nullptr, folder, nullptr);
  return SetCurrentDirectoryA(folder) || CreateDirectoryA(folder, nullptr);
}
