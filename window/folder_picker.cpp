// Running the folder picker and proving the chosen folder.
#include "window/folder_picker.h"

#include "text/path_text.h"

void PrepareFolderPicker(BROWSEINFOW& request, HWND owner, wchar_t* pathBuffer) {
  request = BROWSEINFOW();
  request.hwndOwner = owner;
  request.pszDisplayName = pathBuffer;
  request.lpszTitle = L"Please Select Your Plug-Ins Folder";
  request.ulFlags = BIF_RETURNONLYFSDIRS;
}

bool PickFolder(BROWSEINFOW& request, wchar_t* path) {
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&request);
  if (!item) return false;
  // path holds kFolderTextSize characters, more than the MAX_PATH this call writes at most.
  BOOL hasPath = SHGetPathFromIDListW(item, path);
  CoTaskMemFree(item);
  // An item without a file-system path (a virtual folder) counts as a cancel.
  if (!hasPath || !path[0]) return false;
  if (!AddTrailingBackslash(path, kFolderTextSize)) return false;
  return SetCurrentDirectoryW(path) != FALSE;
}
