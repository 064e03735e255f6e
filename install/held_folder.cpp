// The install folder held open for a whole installation.
#include "install/held_folder.h"

#include <utility>

#include "install/win32_error.h"

DWORD HeldFolder::Open(const wchar_t* folder) {
  // Not shared for deleting: while the handle is open, neither this folder nor any folder above
  // it can be renamed or replaced. A link in the last place is opened itself, not followed.
  FileHandle handle(CreateFileW(folder, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                nullptr));
  if (!handle.valid()) {
    DWORD error = LastErrorOr(ERROR_PATH_NOT_FOUND);
    // A missing folder, or a file in its place: said as when a file is created in it.
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_INVALID_NAME ? ERROR_PATH_NOT_FOUND
                                                                        : error;
  }
  DWORD attributes = HandleAttributes(handle.get());
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorOr(ERROR_ACCESS_DENIED);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return ERROR_PATH_NOT_FOUND;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || FolderEntryIsLink(folder)) {
    return kLinkRefusedError;
  }
  // The final path leads through any links above the folder once, now; later writes use it and
  // never resolve the chosen path again.
  DWORD length = GetFinalPathNameByHandleW(handle.get(), finalPath_, kFinalPathSize,
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (length == 0) return LastErrorOr(ERROR_PATH_NOT_FOUND);
  // Room is left for the backslash that PathOf adds.
  if (length + 1 >= static_cast<DWORD>(kFinalPathSize)) return ERROR_FILENAME_EXCED_RANGE;
  handle_ = std::move(handle);
  return ERROR_SUCCESS;
}

bool HeldFolder::PathOf(const wchar_t* name, wchar_t (&path)[kFinalPathSize]) const {
  int length = lstrlenW(finalPath_);
  lstrcpynW(path, finalPath_, kFinalPathSize);
  // A drive root's final path already ends in a backslash.
  if (length > 0 && path[length - 1] != L'\\') path[length++] = L'\\';
  if (lstrlenW(name) >= kFinalPathSize - length) return false;
  lstrcpynW(path + length, name, kFinalPathSize - length);
  return true;
}
