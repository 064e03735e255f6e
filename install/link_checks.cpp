// Telling links from plain folders and files.
#include "install/link_checks.h"

#include "text/bounded_text.h"
#include "text/path_text.h"
#include "win32/handle_guards.h"

DWORD HandleAttributes(HANDLE handle) {
  FILE_ATTRIBUTE_TAG_INFO tag = {};
  if (!GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) {
    return INVALID_FILE_ATTRIBUTES;
  }
  return tag.FileAttributes;
}

// Some file systems (Unix drives under Wine, for one) follow a link even when asked not to, so a
// handle shows the link's target; the link's own entry, asked by name, still shows the link.
bool FolderEntryIsLink(const wchar_t* folder) {
  wchar_t entry[kFolderTextSize];
  if (!CopyText(entry, kFolderTextSize, folder)) return false;
  int length = lstrlenW(entry);
  // "D:\" is a volume's root (and "D:" alone would name that drive's current folder).
  if (length <= 3) return false;
  if (entry[length - 1] == L'\\') entry[length - 1] = L'\0';
  DWORD attributes = GetFileAttributesW(entry);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool OpenedFileIsLink(HANDLE file, const wchar_t* path) {
  DWORD attributes = HandleAttributes(file);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return true;
  }
  // Where the link was followed after all, the handle's final path is the target's, not path.
  wchar_t finalPath[kFinalPathSize];
  DWORD length = GetFinalPathNameByHandleW(file, finalPath, kFinalPathSize,
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  return length > 0 && length < static_cast<DWORD>(kFinalPathSize) &&
         CompareStringOrdinal(finalPath, -1, path, -1, TRUE) != CSTR_EQUAL;
}
