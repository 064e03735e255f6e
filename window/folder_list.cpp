// Filling the folder list and keeping its one browsed entry.
#include "window/folder_list.h"

#include "discovery/folder_entry.h"
#include "install/install_folder.h"

const wchar_t kBrowseEntryText[] = L"******** BROWSE ********";

FolderListState FillFolderList(HWND list, const FolderTable& candidates, wchar_t* pathBuffer) {
  FolderListState state = {0, false};
  for (const FolderSlot& slot : candidates.slots) {
    if (!slot.text[0]) break;
    if (!ComposeFolderEntry(slot, pathBuffer)) continue;
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pathBuffer));
    ++state.candidateCount;
  }
  SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kBrowseEntryText));
  SendMessageW(list, CB_SETCURSEL, 0, 0);
  return state;
}

int BrowseEntryIndex(const FolderListState& state) {
  return state.candidateCount + (state.browsedEntry ? 1 : 0);
}

void PutBrowsedFolder(HWND list, FolderListState& state, const wchar_t* folder) {
  if (state.browsedEntry) SendMessageW(list, CB_DELETESTRING, state.candidateCount, 0);
  SendMessageW(list, CB_INSERTSTRING, state.candidateCount, reinterpret_cast<LPARAM>(folder));
  SendMessageW(list, CB_SETCURSEL, state.candidateCount, 0);
  state.browsedEntry = true;
}

bool PrepareInstallFolder(HWND list, wchar_t* installFolder, bool* created) {
  installFolder[0] = L'\0';
  LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return false;
  LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, selected, 0);
  if (length == CB_ERR || length >= static_cast<LRESULT>(kFolderTextSize)) return false;
  if (SendMessageW(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(installFolder)) == CB_ERR)
    return false;
  return MakeInstallFolder(installFolder, false, created);
}
