// The Candidate folder list and the Exclusion list.
#include "discovery/folder_tables.h"

#include <string.h>
#include <windows.h>

FolderTable::FolderTable() {
  for (FolderSlot& slot : slots) {
    slot.text[0] = '\0';
    slot.flag = 1;
    slot.origin = nullptr;
  }
}

void AddCandidateFolder(char* path, size_t pathSize, const char* origin) {
  if (!ProbePath(path)) return;
  LowerCaseAscii(path);
  // A maker folder and everything below it are cut off: the list shows the editor's folder.
  char* maker = strstr(path, "tarn");
  if (maker && maker > path && maker[-1] == '\\') *maker = '\0';
  bool installsDirectly = strstr(path, "igrafx") != nullptr;
  if (!AddTrailingBackslash(path, pathSize)) return;
  TitleCasePath(path);
  for (FolderSlot& slot : g_candidateFolders.slots) {
    if (!slot.text[0]) {
      if (!CopyText(slot.text, sizeof slot.text, path)) return;
      if (installsDirectly) slot.flag = 0;
      slot.origin = origin;
      return;
    }
    if (lstrcmpA(slot.text, path) == 0) return;
  }
}

void AddExclusion(const char* key) {
  for (FolderSlot& slot : g_exclusions.slots) {
    if (!slot.text[0]) {
      CopyText(slot.text, sizeof slot.text, key);
      return;
    }
  }
}

int CountFolderSlots(const FolderTable& table) {
  int count = 0;
  while (count < kFolderTableSlots && table.slots[count].text[0]) ++count;
  return count;
}
