// Shared helpers of the discovery tests: resetting and reading the Candidate folder list, and
// registry value bytes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "discovery/folder_tables.h"
#include "tests/support/platform_fixtures.h"

inline void ClearCandidateFolders() { g_candidateFolders = FolderTable(); }

// The occupied slots' texts in UTF-8, each followed by "*" when its flag is 0.
inline std::vector<std::string> CandidateFolders() {
  std::vector<std::string> folders;
  for (int i = 0; i < CountFolderSlots(g_candidateFolders); ++i) {
    const FolderSlot& slot = g_candidateFolders.slots[i];
    folders.push_back(Utf8(slot.text) + (slot.flag ? "" : "*"));
  }
  return folders;
}

// The four bytes of a REG_DWORD value.
inline std::string Dword(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), 4); }
