// Filling the folder list and keeping its one browsed entry.
#include "window/folder_list.h"

#include "discovery/folder_entry.h"
#include "install/install_folder.h"

const char kBrowseEntryText[] = "******** BROWSE ********";

FolderListState FillFolderList(HWND list, const FolderTable& candidates, char* pathBuffer) {
  FolderListState state = {0, false};
  for (const FolderSlot& slot : candidates.slots) {
    if (!slot.text[0]) break;
    if (!ComposeFolderEntry(slot, pathBuffer)) continue;
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pathBuffer));
    ++state.candidateCount;
  }
  SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kBrowseEntryText));
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  return state;
}

int BrowseEntryIndex(const FolderListState& state) {
  return state.candidateCount + (state.browsedEntry ? 1 : 0);
}

void PutBrowsedFolder(HWND list, FolderListState& state, const char* folder) {
  if (state.browsedEntry) SendMessageA(list, CB_DELETESTRING, state.candidateCount, 0);
  SendMessageA(list, CB_INSERTSTRING, state.candidateCount, reinterpret_cast<LPARAM>(folder));
  SendMessageA(list, CB_SETCURSEL, state.candidateCount, 0);
  state.browsedEntry = true;
}

bool PrepareInstallFolder(HWND list, char* installFolder, bool* created) {
  installFolder[0] = '\0';
  LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return false;
  LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, selected, 0);
  if (length == CB_ERR || length >= static_cast<LRESULT>(kFolderTextSize)) return false;
  if (SendMessageA(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(installFolder)) == CB_ERR)
    return false;
  return MakeInstallFolder(installFolder, false, created);
}
