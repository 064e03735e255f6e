// Running the folder picker and proving the chosen folder.
#include "window/folder_picker.h"

#include "text/path_text.h"
#include "win32/handle_guards.h"
#include "window/setup_texts.h"

void PrepareFolderPicker(BROWSEINFOW& request, HWND owner, wchar_t* pathBuffer) {
  request = BROWSEINFOW();
  request.hwndOwner = owner;
  request.pszDisplayName = pathBuffer;
  request.lpszTitle = kPickerTitle;
  request.ulFlags = BIF_RETURNONLYFSDIRS;
}

bool PickFolder(BROWSEINFOW& request, wchar_t* path) {
  ItemList item(SHBrowseForFolderW(&request));
  if (!item.valid()) return false;
  // path holds kFolderTextSize characters, more than the MAX_PATH this call writes at most.
  BOOL hasPath = SHGetPathFromIDListW(item.get(), path);
  item.Close();
  // An item without a file-system path (a virtual folder) counts as a cancel.
  if (!hasPath || !path[0]) return false;
  if (!AddTrailingBackslash(path, kFolderTextSize)) return false;
  return SetCurrentDirectoryW(path) != FALSE;
}
