// Writes a file so that an existing file of that name is either fully replaced or left untouched.
#include "install/file_replace.h"

#include "install/relative_files.h"
#include "install/temp_file.h"
#include "install/win32_error.h"
#include "win32/handle_guards.h"

namespace {

DWORD WriteWholeFile(HANDLE file, const BYTE* data, DWORD size) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(file, data, size, &written, nullptr)) return LastErrorOr(ERROR_WRITE_FAULT);
    if (written == 0) return ERROR_DISK_FULL;
    data += written;
    size -= written;
  }
  // A volume that allocates late reports a full disk only here; the old file must not be
  // replaced by one whose bytes never arrive.
  if (!FlushFileBuffers(file)) return LastErrorOr(ERROR_WRITE_FAULT);
  return ERROR_SUCCESS;
}

// A link in the file's place is refused rather than replaced: neither the link nor the file it
// leads to is the installer's to change. (One put there after this check is replaced by the
// rename, which never follows it.) A missing file is no link; path is the file's final path.
bool NameIsLink(const HeldFolder& folder, const wchar_t* name, const wchar_t* path) {
  FileHandle file;
  return OpenInFolder(folder.handle(), name, FILE_READ_ATTRIBUTES,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_OPEN,
                      &file) == ERROR_SUCCESS &&
         OpenedFileIsLink(file.get(), path);
}

}  // namespace

DWORD ReplaceFileContents(const HeldFolder& folder, const wchar_t* fileName, const void* data,
                          DWORD size) {
  SetLastError(ERROR_SUCCESS);
  wchar_t path[kFinalPathSize];
  if (!folder.PathOf(fileName, path)) return ERROR_FILENAME_EXCED_RANGE;
  if (NameIsLink(folder, fileName, path)) return kLinkRefusedError;
  TempFile temp;
  DWORD error = temp.Create(folder, 0);
  if (error != ERROR_SUCCESS) return error;
  error = WriteWholeFile(temp.get(), static_cast<const BYTE*>(data), size);
  if (error != ERROR_SUCCESS) return error;
  return temp.MoveOver(folder, fileName);
}
