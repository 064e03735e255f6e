// The Candidate folder list and the Exclusion list.
#include "discovery/folder_tables.h"

#include <wchar.h>

FolderTable::FolderTable() {
  for (FolderSlot& slot : slots) {
    slot.text[0] = L'\0';
    slot.flag = 1;
    slot.origin = nullptr;
  }
}

void AddCandidateFolder(wchar_t* path, size_t pathSize, const wchar_t* origin) {
  if (!ProbePath(path)) return;
  LowerCaseAscii(path);
  // A maker folder and everything below it are cut off: the list shows the editor's folder.
  wchar_t* maker = wcsstr(path, L"tarn");
  if (maker && maker > path && maker[-1] == L'\\') *maker = L'\0';
  bool installsDirectly = wcsstr(path, L"igrafx") != nullptr;
  if (!AddTrailingBackslash(path, pathSize)) return;
  TitleCasePath(path);
  for (FolderSlot& slot : g_candidateFolders.slots) {
    if (!slot.text[0]) {
      if (!CopyText(slot.text, kFolderTextSize, path)) return;
      if (installsDirectly) slot.flag = 0;
      slot.origin = origin;
      return;
    }
    // Compared character for character: a linguistic comparison would take texts that differ
    // only in characters it ignores for one folder.
    if (wcscmp(slot.text, path) == 0) return;
  }
}

void AddExclusion(const wchar_t* key) {
  for (FolderSlot& slot : g_exclusions.slots) {
    if (!slot.text[0]) {
      CopyText(slot.text, kFolderTextSize, key);
      return;
    }
  }
}

int CountFolderSlots(const FolderTable& table) {
  int count = 0;
  while (count < kFolderTableSlots && table.slots[count].text[0]) ++count;
  return count;
}
