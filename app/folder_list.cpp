// Filling the folder list and keeping its one browsed entry.
#include "app/folder_list.h"

const char kBrowseEntryText[] = "******** BROWSE ********";

namespace {

const char kMakerSubfolder[] = "Tarnwell\\";

}  // namespace

bool ComposeFolderEntry(const FolderSlot& slot, char* entry) {
  if (CopyText(entry, kFolderTextSize, slot.text) &&
      (slot.flag == 0 || AppendText(entry, kFolderTextSize, kMakerSubfolder))) {
    return true;
  }
  entry[0] = '\0';
  return false;
}

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
