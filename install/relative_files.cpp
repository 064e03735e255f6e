// Opening, creating and renaming files relative to a folder's handle, through ntdll: the Win32
// calls take only whole paths.
#include "install/relative_files.h"

#include <winternl.h>

namespace {

// A bare name; the longest a file name can be.
const int kNameSize = MAX_PATH;

bool MakeName(const wchar_t* name, UNICODE_STRING* text) {
  int length = lstrlenW(name);
  if (length == 0 || length >= kNameSize) return false;
  text->Buffer = const_cast<wchar_t*>(name);
  text->Length = static_cast<USHORT>(length * sizeof(wchar_t));
  text->MaximumLength = static_cast<USHORT>(text->Length + sizeof(wchar_t));
  return true;
}

}  // namespace

DWORD OpenInFolder(HANDLE folder, const wchar_t* name, ACCESS_MASK access, ULONG share,
                   ULONG disposition, FileHandle* file) {
  UNICODE_STRING text;
  if (!MakeName(name, &text)) return ERROR_INVALID_NAME;
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, nullptr);
  IO_STATUS_BLOCK status;
  HANDLE handle = INVALID_HANDLE_VALUE;
  NTSTATUS result = NtCreateFile(&handle, access | SYNCHRONIZE, &attributes, &status, nullptr,
                                 FILE_ATTRIBUTE_NORMAL, share, disposition,
                                 FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT, nullptr, 0);
  if (!NT_SUCCESS(result)) return RtlNtStatusToDosError(result);
  *file = FileHandle(handle);
  return ERROR_SUCCESS;
}

DWORD RenameInFolder(HANDLE file, HANDLE folder, const wchar_t* name) {
  struct {
    FILE_RENAME_INFO info;
    wchar_t rest[kNameSize];  // FileName runs on into this
  } rename;
  UNICODE_STRING text;
  if (!MakeName(name, &text)) return ERROR_INVALID_NAME;
  rename.info.ReplaceIfExists = TRUE;
  rename.info.RootDirectory = folder;
  rename.info.FileNameLength = text.Length;
  lstrcpynW(rename.info.FileName, name, kNameSize);
  IO_STATUS_BLOCK status;
  // ntdll's own call, so that the bare name reaches the file system as given, with the root.
  NTSTATUS result =
      NtSetInformationFile(file, &status, &rename, sizeof rename, FileRenameInformation);
  return NT_SUCCESS(result) ? ERROR_SUCCESS : RtlNtStatusToDosError(result);
}
