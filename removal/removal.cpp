// Removing a recorded installation.
#include "removal/removal.h"

#include <stdarg.h>

#include "install/held_folder.h"
#include "install/relative_files.h"
#include "removal/file_digest.h"
#include "removal/handle_deletes.h"
#include "removal/install_record.h"
#include "removal/uninstall_entry.h"
#include "removal/uninstaller_copy.h"
#include "text/bounded_text.h"
#include "win32/handle_guards.h"

namespace {

const DWORD kErrorTextSize = 256;

// The HKLM preset values are written in both views on 64-bit Windows (where 32-bit Windows
// ignores the flags and both name the one key).
struct PresetRoot {
  HKEY root;
  REGSAM view;
};
const PresetRoot kPresetRoots[] = {
    {HKEY_CURRENT_USER, 0},
    {HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY},
    {HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY},
};

bool IsGone(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

class Removal {
 public:
  explicit Removal(RemovalObserver& observer) : observer_(observer) {}

  void Run();
  int failures() const { return failures_; }

 private:
  void Tell(bool failed, const wchar_t* format, ...);
  // A failure that may pass (a file held open): the record stays for another attempt.
  void Fail(const wchar_t* what, DWORD error);
  void RemoveFolders(HKEY record);
  void RemoveFolder(HKEY folderKey);
  void RemoveFile(const HeldFolder& folder, const wchar_t* name, const FileDigest& recorded);
  void RemovePresets(HKEY record);
  void RemovePreset(const wchar_t* subkey, const wchar_t* value);
  void RemoveTree(const wchar_t* parent, const wchar_t* name, const wchar_t* what);

  RemovalObserver& observer_;
  int failures_ = 0;
  bool retry_ = false;
};

void Removal::Tell(bool failed, const wchar_t* format, ...) {
  wchar_t line[kFormatSize];
  va_list args;
  va_start(args, format);
  FormatText(line, format, args);
  va_end(args);
  if (failed) ++failures_;
  observer_.Told(line, failed);
}

void Removal::Fail(const wchar_t* what, DWORD error) {
  wchar_t message[kErrorTextSize];
  if (!FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                          FORMAT_MESSAGE_MAX_WIDTH_MASK,
                      nullptr, error, 0, message, kErrorTextSize, nullptr)) {
    message[0] = L'\0';
  }
  retry_ = true;
  Tell(true, L"Failed: %s: error %lu: %s", what, error, message);
}

void Removal::Run() {
  RegKey record;
  if (record.Open(HKEY_LOCAL_MACHINE, kRecordKey, KEY_READ | kRecordView) == ERROR_SUCCESS) {
    RemoveFolders(record.get());
    RemovePresets(record.get());
  } else {
    Tell(false, L"No installation recorded");
  }
  record.Close();
  if (retry_) {
    Tell(true, L"Kept the record, the uninstall entry and the uninstaller for another attempt");
    return;
  }
  RemoveTree(kRecordParentKey, kRecordName, L"record");
  RemoveTree(kUninstallParentKey, kUninstallEntryName, L"uninstall entry");
  bool atRestart = false;
  wchar_t folder[MAX_PATH];
  DWORD error = RemoveUninstaller(&atRestart);
  if (!UninstallerFolder(folder)) folder[0] = L'\0';
  if (error != ERROR_SUCCESS) {
    Fail(folder, error);
  } else {
    Tell(false,
         atRestart ? L"Removed the uninstaller at the next restart: %s"
                   : L"Removed the uninstaller: %s",
         folder);
  }
}

void Removal::RemoveFolders(HKEY record) {
  RegKey folders;
  if (folders.Open(record, L"Folders", KEY_READ | kRecordView) != ERROR_SUCCESS) return;
  for (DWORD index = 0;; ++index) {
    wchar_t name[MAX_PATH];
    DWORD length = MAX_PATH;
    if (RegEnumKeyExW(folders.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      return;
    }
    RegKey folder;
    if (folder.Open(folders.get(), name, KEY_READ | kRecordView) == ERROR_SUCCESS) {
      RemoveFolder(folder.get());
    }
  }
}

void Removal::RemoveFolder(HKEY folderKey) {
  wchar_t path[kFinalPathSize];
  if (!ReadRecordText(folderKey, L"Path", path, kFinalPathSize)) return;
  HeldFolder folder;
  DWORD error = folder.Open(path);
  if (error == kLinkRefusedError) {
    Tell(true, L"Refused link: %s", path);
    return;
  }
  if (error == ERROR_PATH_NOT_FOUND) {
    Tell(false, L"Already gone: %s", path);
    return;
  }
  if (error != ERROR_SUCCESS) {
    Fail(path, error);
    return;
  }
  RegKey files;
  files.Open(folderKey, L"Files", KEY_READ | kRecordView);
  for (DWORD index = 0; files.valid(); ++index) {
    wchar_t name[MAX_PATH];
    DWORD length = MAX_PATH;
    DWORD type = 0;
    FileDigest recorded;
    DWORD size = sizeof recorded;
    LONG result = RegEnumValueW(files.get(), index, name, &length, nullptr, &type,
                                reinterpret_cast<BYTE*>(&recorded), &size);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result == ERROR_SUCCESS && type == REG_BINARY && size == sizeof recorded) {
      RemoveFile(folder, name, recorded);
    }
  }
  folder.Close();
  DWORD created = 0;
  DWORD size = sizeof created;
  if (RegQueryValueExW(folderKey, L"Created", nullptr, nullptr, reinterpret_cast<BYTE*>(&created),
                       &size) != ERROR_SUCCESS ||
      !created) {
    return;
  }
  error = RemoveEmptyFolder(path);
  if (error == ERROR_SUCCESS) {
    Tell(false, L"Removed folder: %s", path);
  } else if (error == ERROR_DIR_NOT_EMPTY) {
    Tell(false, L"Kept folder, which holds other files: %s", path);
  } else if (error == kLinkRefusedError) {
    Tell(true, L"Refused link: %s", path);
  } else {
    Fail(path, error);
  }
}

// The file is opened once, without following a link, and both checked and deleted through that
// handle; it is opened without write or delete sharing, so nothing can change it in between.
void Removal::RemoveFile(const HeldFolder& folder, const wchar_t* name,
                         const FileDigest& recorded) {
  wchar_t finalPath[kFinalPathSize];
  if (!folder.PathOf(name, finalPath)) return;
  const wchar_t* path = PlainPath(finalPath);
  FileHandle file;
  DWORD error =
      OpenInFolder(folder.handle(), name, GENERIC_READ | DELETE, FILE_SHARE_READ, FILE_OPEN, &file);
  if (IsGone(error)) {
    Tell(false, L"Already gone: %s", path);
    return;
  }
  if (error != ERROR_SUCCESS) {
    Fail(path, error);
    return;
  }
  if (OpenedFileIsLink(file.get(), finalPath)) {
    Tell(true, L"Refused link: %s", path);
    return;
  }
  FileDigest found;
  error = DigestOfFile(file.get(), &found);
  if (error == ERROR_SUCCESS && !SameDigest(found, recorded)) {
    Tell(true, L"Kept file, changed since it was installed: %s", path);
    return;
  }
  if (error == ERROR_SUCCESS) error = DeleteOpenFile(file.get());
  if (error != ERROR_SUCCESS) {
    Fail(path, error);
    return;
  }
  Tell(false, L"Removed file: %s", path);
}

void Removal::RemovePresets(HKEY record) {
  RegKey presets;
  if (presets.Open(record, L"Presets", KEY_READ | kRecordView) != ERROR_SUCCESS) return;
  for (DWORD index = 0;; ++index) {
    wchar_t name[kPresetNameSize];
    DWORD length = kPresetNameSize;
    LONG result =
        RegEnumValueW(presets.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return;
    wchar_t* value = name + length;
    while (value > name && value[-1] != L'\\') --value;
    if (result != ERROR_SUCCESS || value == name) continue;
    value[-1] = L'\0';
    RemovePreset(name, value);
  }
}

// From every root and view that may hold it; its key goes too once it is left empty.
void Removal::RemovePreset(const wchar_t* subkey, const wchar_t* value) {
  int failuresBefore = failures_;
  for (const PresetRoot& root : kPresetRoots) {
    RegKey key;
    LONG result = key.Open(root.root, subkey, KEY_SET_VALUE | KEY_QUERY_VALUE | root.view);
    if (result == ERROR_SUCCESS) result = RegDeleteValueW(key.get(), value);
    DWORD subkeys = 1;
    DWORD values = 1;
    if (result == ERROR_SUCCESS &&
        RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
        subkeys == 0 && values == 0) {
      key.Close();
      RegDeleteKeyExW(root.root, subkey, root.view, 0);
    }
    if (result != ERROR_SUCCESS && !IsGone(static_cast<DWORD>(result))) {
      wchar_t what[kPresetNameSize + 8];
      wsprintfW(what, L"%s\\%s\\%s", root.root == HKEY_CURRENT_USER ? L"HKCU" : L"HKLM", subkey,
                value);
      Fail(what, static_cast<DWORD>(result));
    }
  }
  if (failures_ == failuresBefore) Tell(false, L"Removed preset value: %s\\%s", subkey, value);
}

void Removal::RemoveTree(const wchar_t* parent, const wchar_t* name, const wchar_t* what) {
  RegKey key;
  LONG result = key.Open(HKEY_LOCAL_MACHINE, parent, KEY_ALL_ACCESS | kRecordView);
  if (result == ERROR_SUCCESS) result = RegDeleteTreeW(key.get(), name);
  if (result == ERROR_SUCCESS || IsGone(static_cast<DWORD>(result))) {
    Tell(false, L"Removed the %s", what);
  } else {
    Fail(name, static_cast<DWORD>(result));
  }
}

}  // namespace

int RemoveInstallation(RemovalObserver& observer) {
  Removal removal(observer);
  removal.Run();
  return removal.failures();
}
