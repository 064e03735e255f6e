// Deleting through handles.
#include "removal/handle_deletes.h"

#include "install/link_checks.h"
#include "install/win32_error.h"
#include "win32/handle_guards.h"

DWORD DeleteOpenFile(HANDLE file) {
  FILE_DISPOSITION_INFO dispose = {TRUE};
  return SetFileInformationByHandle(file, FileDispositionInfo, &dispose, sizeof dispose)
             ? ERROR_SUCCESS
             : LastErrorOr(ERROR_ACCESS_DENIED);
}

DWORD RemoveEmptyFolder(const wchar_t* folder) {
  FileHandle handle(CreateFileW(folder, DELETE | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!handle.valid()) {
    DWORD error = LastErrorOr(ERROR_PATH_NOT_FOUND);
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS : error;
  }
  DWORD attributes = HandleAttributes(handle.get());
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorOr(ERROR_ACCESS_DENIED);
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || FolderEntryIsLink(folder)) {
    return kLinkRefusedError;
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return ERROR_DIRECTORY;
  DWORD error = DeleteOpenFile(handle.get());
  if (error != ERROR_SUCCESS) return error;
  handle.Close();
  // Some file systems find out only at the close that the folder was not empty.
  return GetFileAttributesW(folder) == INVALID_FILE_ATTRIBUTES ? ERROR_SUCCESS : ERROR_DIR_NOT_EMPTY;
}
