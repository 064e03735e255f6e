// The Candidate folder list (plug-in folders found by discovery) and the Exclusion list (keys of
// deselected plug-ins): two process-wide tables of 20 slots, filled front to back.
#pragma once

#include <stddef.h>

#include "text/path_text.h"

const int kFolderTableSlots = 20;

struct FolderSlot {
  wchar_t text[kFolderTextSize];  // empty: the slot is free
  int flag;  // candidates: 1 installs into a "Tarnwell\" subfolder, 0 directly into the folder
  const wchar_t* origin;  // not owned: the HKLM view a candidate was first found in; else null
};

struct FolderTable {
  FolderSlot slots[kFolderTableSlots];
  FolderTable();  // every slot empty with flag 1
};

extern FolderTable g_candidateFolders;
extern FolderTable g_exclusions;

// Proves the folder with the Path probe, cuts off a maker folder below it, normalises it and
// stores it once, with origin (a registry view's name, or null). path is the caller's buffer of
// pathSize characters and is edited in place.
void AddCandidateFolder(wchar_t* path, size_t pathSize, const wchar_t* origin = nullptr);

// Stores the key in the first free slot; a full table, or a key too long for a slot, stores nothing.
void AddExclusion(const wchar_t* key);

// Number of occupied slots: readers stop at the first free one.
int CountFolderSlots(const FolderTable& table);
