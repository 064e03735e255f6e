// Writes a file so that an existing file of that name is either fully replaced or left untouched.
#include "install/file_replace.h"

#include "install/file_handle.h"
#include "install/temp_name.h"
#include "install/win32_error.h"

namespace {

// A new file beside the target, under a random name. It is renamed into place or deleted through
// its own handle, never by name, so a link put in its name's place cannot redirect either step.
// Its ".tmp" name is never taken for a plug-in by an editor.
class TempFile {
 public:
  TempFile() = default;
  ~TempFile() {
    if (!file_.valid()) return;
    FILE_DISPOSITION_INFO dispose = {TRUE};
    SetFileInformationByHandle(file_.get(), FileDispositionInfo, &dispose, sizeof dispose);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  DWORD Create(const HeldFolder& folder) {
    wchar_t name[kTempNameSize];
    if (!MakeTempName(name)) return ERROR_GEN_FAILURE;
    wchar_t path[kFinalPathSize];
    if (!folder.PathOf(name, path)) return ERROR_FILENAME_EXCED_RANGE;
    // CREATE_NEW with FILE_FLAG_OPEN_REPARSE_POINT: a link already standing under the name
    // makes this fail instead of creating the link's target.
    file_ = FileHandle(CreateFileW(path, GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return file_.valid() ? ERROR_SUCCESS : LastErrorOr(ERROR_CANNOT_MAKE);
  }
  HANDLE get() const { return file_.get(); }

  // Replaces target (a full path) with this file; the file is then kept.
  DWORD MoveOver(const wchar_t* target) {
    struct {
      FILE_RENAME_INFO info;
      wchar_t rest[kFinalPathSize];  // FileName runs on into this
    } rename;
    rename.info.ReplaceIfExists = TRUE;
    rename.info.RootDirectory = nullptr;
    rename.info.FileNameLength = lstrlenW(target) * sizeof(wchar_t);
    lstrcpynW(rename.info.FileName, target, kFinalPathSize);
    if (!SetFileInformationByHandle(file_.get(), FileRenameInfo, &rename, sizeof rename)) {
      return LastErrorOr(ERROR_CANNOT_MAKE);
    }
    file_.Close();
    return ERROR_SUCCESS;
  }

 private:
  FileHandle file_;
};

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

}  // namespace

DWORD ReplaceFileContents(const HeldFolder& folder, const wchar_t* fileName, const void* data,
                          DWORD size) {
  SetLastError(ERROR_SUCCESS);
  wchar_t target[kFinalPathSize];
  if (!folder.PathOf(fileName, target)) return ERROR_FILENAME_EXCED_RANGE;
  // A link in the file's place is refused rather than replaced: neither the link nor the file it
  // leads to is the installer's to change. (One put there after this check is replaced by the
  // rename, which never follows it.)
  if (FileIsLink(target)) return kLinkRefusedError;
  TempFile temp;
  DWORD error = temp.Create(folder);
  if (error != ERROR_SUCCESS) return error;
  error = WriteWholeFile(temp.get(), static_cast<const BYTE*>(data), size);
  if (error != ERROR_SUCCESS) return error;
  return temp.MoveOver(target);
}
