// Writes a file so that an existing file of that name is either fully replaced or left untouched.
#include "install/file_replace.h"

#include "install/file_handle.h"

namespace {

DWORD LastErrorOr(DWORD fallback) {
  DWORD error = GetLastError();
  return error ? error : fallback;
}

// A uniquely named, initially empty file that is deleted again unless it was moved into place.
class TempFile {
 public:
  TempFile() = default;
  ~TempFile() {
    if (path_[0]) DeleteFileA(path_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  // The ".tmp" name that GetTempFileNameA makes is never taken for a plug-in by an editor.
  bool Create(const char* folder) { return GetTempFileNameA(folder, "~gl", 0, path_) != 0; }
  const char* path() const { return path_; }
  void release() { path_[0] = '\0'; }

 private:
  char path_[MAX_PATH] = "";
};

DWORD WriteWholeFile(const char* path, const BYTE* data, DWORD size) {
  FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastErrorOr(ERROR_OPEN_FAILED);
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
  if (!temp.Create(folder)) return LastErrorOr(ERROR_CANNOT_MAKE);
  DWORD error = WriteWholeFile(temp.path(), static_cast<const BYTE*>(data), size);
  if (error != ERROR_SUCCESS) return error;
  if (!MoveFileExA(temp.path(), target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastErrorOr(ERROR_CANNOT_MAKE);
  }
  temp.release();
  return ERROR_SUCCESS;
}
