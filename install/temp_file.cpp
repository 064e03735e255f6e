// Temporary files in a held folder.
#include "install/temp_file.h"

#include "install/relative_files.h"
#include "install/temp_name.h"

TempFile::~TempFile() {
  if (!file_.valid() || placed_) return;
  FILE_DISPOSITION_INFO dispose = {TRUE};
  SetFileInformationByHandle(file_.get(), FileDispositionInfo, &dispose, sizeof dispose);
}

DWORD TempFile::Create(const HeldFolder& folder, ULONG share) {
  wchar_t name[kTempNameSize];
  if (!MakeTempName(name)) return ERROR_GEN_FAILURE;
  // FILE_CREATE: anything already standing under the name, a link too, makes this fail.
  return OpenInFolder(folder.handle(), name, GENERIC_WRITE | DELETE, share, FILE_CREATE, &file_);
}

DWORD TempFile::MoveOver(const HeldFolder& folder, const wchar_t* name) {
  DWORD error = RenameInFolder(file_.get(), folder.handle(), name);
  if (error == ERROR_SUCCESS) placed_ = true;
  return error;
}
