// Placing and removing the uninstaller's copy.
#include "removal/uninstaller_copy.h"

#include <shlobj.h>
#include <windows.h>

#include <new>

#include "install/file_replace.h"
#include "install/held_folder.h"
#include "install/relative_files.h"
#include "install/temp_name.h"
#include "install/win32_error.h"
#include "removal/admin_only.h"
#include "removal/handle_deletes.h"
#include "removal/image_match.h"
#include "text/bounded_text.h"
#include "win32/handle_guards.h"

namespace {

const wchar_t kCopyName[] = L"glimmerion-uninstall.exe";
// The installer is far smaller; a larger file is not the one that runs.
const DWORD kLargestExe = 64 * 1024 * 1024;

bool ProgramFilesPath(const wchar_t* rest, wchar_t (&path)[MAX_PATH]) {
  return SUCCEEDED(
             SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, path)) &&
         AppendText(path, MAX_PATH, rest);
}

// Sets the DACL through a handle of the folder itself, never through a link in its place.
DWORD RestrictToAdministrators(const wchar_t* folder) {
  FileHandle handle(CreateFileW(
      folder, WRITE_DAC | READ_CONTROL | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!handle.valid()) return LastErrorOr(ERROR_PATH_NOT_FOUND);
  DWORD attributes = HandleAttributes(handle.get());
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorOr(ERROR_ACCESS_DENIED);
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || FolderEntryIsLink(folder)) {
    return kLinkRefusedError;
  }
  return SetAdminOnlyDacl(handle.get(), SE_FILE_OBJECT);
}

// The running installer's own file, whole. Its name may since lead to another file (a running exe
// can be renamed away), so the bytes count only when they are the running image's.
DWORD ReadOwnFile(ByteBlock* bytes, DWORD* size) {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
  FileHandle file(
      CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  LARGE_INTEGER fileSize;
  if (!file.valid() || !GetFileSizeEx(file.get(), &fileSize)) return LastErrorOr(ERROR_READ_FAULT);
  if (fileSize.QuadPart <= 0 || fileSize.QuadPart > kLargestExe) return ERROR_BAD_EXE_FORMAT;
  *size = static_cast<DWORD>(fileSize.QuadPart);
  bytes->reset(new (std::nothrow) BYTE[*size]);
  if (!bytes->valid()) return ERROR_NOT_ENOUGH_MEMORY;
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes->get(), *size, &read, nullptr))
    return LastErrorOr(ERROR_READ_FAULT);
  if (read != *size) return ERROR_READ_FAULT;
  return FileIsImage(bytes->get(), *size, GetModuleHandleW(nullptr)) ? ERROR_SUCCESS
                                                                     : ERROR_BAD_EXE_FORMAT;
}

// Renames the open copy to a random name in the folder and has it, and then the folder, deleted
// at the next restart. Nothing but an administrator can touch either before then.
DWORD DeleteAtRestart(HANDLE copy, const HeldFolder& held, const wchar_t* folder) {
  wchar_t name[kTempNameSize];
  wchar_t renamed[MAX_PATH];
  if (!MakeTempName(name) || !CopyText(renamed, MAX_PATH, folder) ||
      !AppendText(renamed, MAX_PATH, name)) {
    return ERROR_GEN_FAILURE;
  }
  DWORD error = RenameInFolder(copy, held.handle(), name);
  if (error != ERROR_SUCCESS) return error;
  if (!MoveFileExW(renamed, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
    return LastErrorOr(ERROR_ACCESS_DENIED);
  }
  wchar_t folderEntry[MAX_PATH];
  CopyText(folderEntry, MAX_PATH, folder);
  folderEntry[lstrlenW(folderEntry) - 1] = L'\0';  // without its backslash
  MoveFileExW(folderEntry, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  return ERROR_SUCCESS;
}

}  // namespace

bool UninstallerFolder(wchar_t (&path)[MAX_PATH]) {
  return ProgramFilesPath(L"\\Tarnwell\\Glimmerion\\", path);
}

DWORD PlaceUninstaller(wchar_t (&copyPath)[MAX_PATH], DWORD* size) {
  wchar_t maker[MAX_PATH];
  wchar_t folder[MAX_PATH];
  if (!ProgramFilesPath(L"\\Tarnwell\\", maker) || !UninstallerFolder(folder) ||
      !CopyText(copyPath, MAX_PATH, folder) || !AppendText(copyPath, MAX_PATH, kCopyName)) {
    return ERROR_PATH_NOT_FOUND;
  }
  // Either may stand already; what counts is the DACL set below.
  CreateDirectoryW(maker, nullptr);
  CreateDirectoryW(folder, nullptr);
  DWORD error = RestrictToAdministrators(folder);
  HeldFolder held;
  if (error == ERROR_SUCCESS) error = held.Open(folder);
  ByteBlock bytes;
  if (error == ERROR_SUCCESS) error = ReadOwnFile(&bytes, size);
  if (error == ERROR_SUCCESS) error = ReplaceFileContents(held, kCopyName, bytes.get(), *size);
  return error;
}

DWORD RemoveUninstaller(bool* atRestart) {
  *atRestart = false;
  wchar_t folder[MAX_PATH];
  if (!UninstallerFolder(folder)) return ERROR_PATH_NOT_FOUND;
  HeldFolder held;
  DWORD error = held.Open(folder);
  if (error == ERROR_PATH_NOT_FOUND) return ERROR_SUCCESS;
  if (error != ERROR_SUCCESS) return error;
  FileHandle copy;
  error = OpenInFolder(held.handle(), kCopyName, DELETE | FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_DELETE, FILE_OPEN, &copy);
  if (error == ERROR_SUCCESS && DeleteOpenFile(copy.get()) != ERROR_SUCCESS) {
    error = DeleteAtRestart(copy.get(), held, folder);
    *atRestart = error == ERROR_SUCCESS;
  } else if (error == ERROR_FILE_NOT_FOUND) {
    error = ERROR_SUCCESS;
  }
  copy.Close();
  held.Close();
  if (error != ERROR_SUCCESS || *atRestart) return error;
  error = RemoveEmptyFolder(folder);
  // Files someone else put there keep the folder.
  return error == ERROR_DIR_NOT_EMPTY ? ERROR_SUCCESS : error;
}
