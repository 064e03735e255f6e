// Composing a candidate folder's entry.
#include "discovery/folder_entry.h"

#include "text/bounded_text.h"

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
