// Composing a candidate folder's entry.
#include "discovery/folder_entry.h"

#include "text/bounded_text.h"

namespace {

const wchar_t kMakerSubfolder[] = L"Tarnwell\\";

}  // namespace

bool ComposeFolderEntry(const FolderSlot& slot, wchar_t* entry) {
  if (CopyText(entry, kFolderTextSize, slot.text) &&
      (slot.flag == 0 || AppendText(entry, kFolderTextSize, kMakerSubfolder))) {
    return true;
  }
  entry[0] = L'\0';
  return false;
}
