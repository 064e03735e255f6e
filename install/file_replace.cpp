// Writes a file so that an existing file of that name is either fully replaced or left untouched.
#include "install/file_replace.h"

#include "text/path_text.h"
#include "install/file_handle.h"

namespace {

// The folder text and a temporary name of 11 characters.
const size_t kTempPathSize = kFolderTextSize + 16;
const DWORD kTempNameAttempts = 100;

DWORD LastErrorOr(DWORD fallback) {
  DWORD error = GetLastError();
  return error ? error : fallback;
}

// A new, uniquely named file beside the target, deleted again unless it was moved into place.
// Its ".tmp" name is never taken for a plug-in by an editor. (GetTempFileNameA is not used: under
// Wine it reports success for a folder where it could not create the file.)
class TempFile {
 public:
  TempFile() = default;
  ~TempFile() {
    file_.Close();
    if (path_[0]) DeleteFileA(path_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  DWORD Create(const char* folder) {
    DWORD seed = GetTickCount();
    for (DWORD attempt = 0; attempt < kTempNameAttempts; ++attempt) {
      char name[16];
      wsprintfA(name, "~gl%04X.tmp", static_cast<unsigned>((seed + attempt) & 0xFFFF));
      if (!CopyText(path_, sizeof path_, folder) || !AppendText(path_, sizeof path_, name)) {
        path_[0] = '\0';
        return ERROR_FILENAME_EXCED_RANGE;
      }
      file_ = FileHandle(CreateFileA(path_, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
      if (file_.valid()) return ERROR_SUCCESS;
      DWORD error = LastErrorOr(ERROR_CANNOT_MAKE);
      path_[0] = '\0';
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return error;
    }
    return ERROR_FILE_EXISTS;
  }
  FileHandle& file() { return file_; }
  const char* path() const { return path_; }
  void release() { path_[0] = '\0'; }

 private:
  char path_[kTempPathSize] = "";
  FileHandle file_;
};

DWORD WriteWholeFile(FileHandle& file, const BYTE* data, DWORD size) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(file.get(), data, size, &written, nullptr)) {
      return LastErrorOr(ERROR_WRITE_FAULT);
    }
    if (written == 0) return ERROR_DISK_FULL;
    data += written;
    size -= written;
  }
  // A volume that allocates late reports a full disk only here; the old file must not be
  // replaced by one whose bytes never arrive.
  if (!FlushFileBuffers(file.get())) return LastErrorOr(ERROR_WRITE_FAULT);
  if (!file.Close()) return LastErrorOr(ERROR_WRITE_FAULT);
  return ERROR_SUCCESS;
}

}  // namespace

DWORD ReplaceFileContents(const char* folder, const char* target, const void* data, DWORD size) {
  SetLastError(ERROR_SUCCESS);
  TempFile temp;
  DWORD error = temp.Create(folder);
  if (error != ERROR_SUCCESS) return error;
  error = WriteWholeFile(temp.file(), static_cast<const BYTE*>(data), size);
  if (error != ERROR_SUCCESS) return error;
  if (!MoveFileExA(temp.path(), target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastErrorOr(ERROR_CANNOT_MAKE);
  }
  temp.release();
  return ERROR_SUCCESS;
}
