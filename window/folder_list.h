// The folder list: one entry per candidate folder, at most one browsed folder, then the browse
// entry. The list is unsorted, so entries keep the order in which they are added. It lives in
// a Unicode dialog and is spoken to with the W messages, so it holds every folder's exact name.
#pragma once

#include <windows.h>

#include "discovery/folder_tables.h"

extern const wchar_t kBrowseEntryText[];

struct FolderListState {
  int candidateCount;  // entries made from the Candidate folder list
  bool browsedEntry;   // a browsed folder sits directly before the browse entry
};

// Adds one entry per occupied candidate slot (with the maker subfolder "Tarnwell\" appended when
// the slot's flag is set), then the browse entry, and selects entry 0. Each entry is put together
// in pathBuffer (kFolderTextSize characters); a candidate whose entry would not fit is left out.
FolderListState FillFolderList(HWND list, const FolderTable& candidates, wchar_t* pathBuffer);

int BrowseEntryIndex(const FolderListState& state);

// Inserts the browsed folder directly before the browse entry, replacing an earlier one, and
// selects it.
void PutBrowsedFolder(HWND list, FolderListState& state, const wchar_t* folder);

// Copies the selected entry into installFolder (kFolderTextSize characters), then enters that folder
// or, failing that, creates its last level. False, with nothing created, when no entry is selected
// or the entry does not fit (installFolder is then empty), or when the folder can be neither
// entered nor created. *created tells whether the folder was missing before.
bool PrepareInstallFolder(HWND list, wchar_t* installFolder, bool* created);
