// Reading and adding to the record of installations.
#include "removal/install_record.h"

#include <version.h>

#include "text/bounded_text.h"
#include "win32/handle_guards.h"

const wchar_t kInstallerVersion[] = L"" GLIMMERION_VERSION_TEXT;

namespace {

// Numbered folder keys: "1" to "99999".
const int kFolderKeySize = 8;

// The folder's key under Folders: the one whose Path is folder, or a new one.
LONG OpenFolderKey(HKEY record, const wchar_t* folder, RegKey* folderKey) {
  RegKey folders;
  LONG result = folders.Create(record, L"Folders", KEY_ALL_ACCESS | kRecordView);
  if (result != ERROR_SUCCESS) return result;
  for (DWORD index = 0;; ++index) {
    wchar_t name[kFolderKeySize];
    DWORD length = kFolderKeySize;
    if (RegEnumKeyExW(folders.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    wchar_t path[kFinalPathSize];
    if (folderKey->Open(folders.get(), name, KEY_ALL_ACCESS | kRecordView) == ERROR_SUCCESS &&
        ReadRecordText(folderKey->get(), L"Path", path, kFinalPathSize) &&
        CompareStringOrdinal(path, -1, folder, -1, TRUE) == CSTR_EQUAL) {
      return ERROR_SUCCESS;
    }
  }
  for (int number = 1; number < 100000; ++number) {
    wchar_t name[kFolderKeySize];
    wsprintfW(name, L"%d", number);
    DWORD disposition = 0;
    folderKey->Close();
    result = RegCreateKeyExW(folders.get(), name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS | kRecordView, nullptr, folderKey->receive(),
                             &disposition);
    if (result != ERROR_SUCCESS) return result;
    if (disposition == REG_CREATED_NEW_KEY) return SetText(folderKey->get(), L"Path", folder);
  }
  return ERROR_NO_MORE_ITEMS;
}

}  // namespace

const wchar_t* PlainPath(const wchar_t* path) {
  if (path[0] == L'\\' && path[1] == L'\\' && path[2] == L'?' && path[3] == L'\\' && path[4] &&
      path[5] == L':') {
    return path + 4;
  }
  return path;
}

LONG SetText(HKEY key, const wchar_t* name, const wchar_t* text) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        static_cast<DWORD>((lstrlenW(text) + 1) * sizeof(wchar_t)));
}

LONG SetNumber(HKEY key, const wchar_t* name, DWORD number) {
  return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                        sizeof number);
}

bool ReadRecordText(HKEY key, const wchar_t* name, wchar_t* text, DWORD size) {
  DWORD type = 0;
  DWORD bytes = (size - 1) * sizeof(wchar_t);
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return false;
  }
  // The stored text need not end in a NUL.
  text[bytes / sizeof(wchar_t)] = L'\0';
  return true;
}

bool ReadRecordedVersion(wchar_t (&version)[kVersionTextSize]) {
  RegKey record;
  return record.Open(HKEY_LOCAL_MACHINE, kRecordKey, KEY_QUERY_VALUE | kRecordView) ==
             ERROR_SUCCESS &&
         ReadRecordText(record.get(), L"Version", version, kVersionTextSize);
}

void InstallRecorder::Note(const PayloadJob& job, const PayloadNote& note) {
  if (next_) next_->Note(job, note);
  if (note.error || !note.data) return;
  if (note.subkey) {
    NotePreset(note);
  } else {
    NoteFile(job, note);
  }
}

void InstallRecorder::NoteFile(const PayloadJob& job, const PayloadNote& note) {
  wchar_t path[kFinalPathSize];
  if (!folder_[0] && job.folder.PathOf(L"", path)) CopyText(folder_, kFinalPathSize, PlainPath(path));
  if (fileCount_ == kMaxFiles) {
    error_ = ERROR_INSUFFICIENT_BUFFER;
    return;
  }
  File& file = files_[fileCount_];
  DWORD error = CopyText(file.name, MAX_PATH, note.name)
                    ? DigestOfBytes(note.data, note.size, &file.digest)
                    : ERROR_INVALID_NAME;
  if (error != ERROR_SUCCESS || !folder_[0]) {
    if (error_ == ERROR_SUCCESS) error_ = error ? error : ERROR_PATH_NOT_FOUND;
    return;
  }
  ++fileCount_;
  bytes_ += note.size;
}

void InstallRecorder::NotePreset(const PayloadNote& note) {
  if (presetCount_ == kMaxPresets) {
    error_ = ERROR_INSUFFICIENT_BUFFER;
    return;
  }
  wchar_t* name = presets_[presetCount_];
  if (!CopyText(name, kPresetNameSize, note.subkey) || !AppendText(name, kPresetNameSize, L"\\") ||
      !AppendText(name, kPresetNameSize, note.name)) {
    error_ = ERROR_INVALID_NAME;
    return;
  }
  ++presetCount_;
}

DWORD InstallRecorder::Save(bool folderCreated) const {
  if (error_ != ERROR_SUCCESS) return error_;
  RegKey record;
  LONG result = record.Create(HKEY_LOCAL_MACHINE, kRecordKey, KEY_ALL_ACCESS | kRecordView);
  if (result == ERROR_SUCCESS && folder_[0]) {
    RegKey folder;
    result = OpenFolderKey(record.get(), folder_, &folder);
    DWORD created = 0;
    DWORD size = sizeof created;
    if (result == ERROR_SUCCESS &&
        RegQueryValueExW(folder.get(), L"Created", nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&created), &size) != ERROR_SUCCESS) {
      created = 0;
    }
    if (result == ERROR_SUCCESS) result = SetNumber(folder.get(), L"Created", created | folderCreated);
    RegKey files;
    if (result == ERROR_SUCCESS) result = files.Create(folder.get(), L"Files", KEY_ALL_ACCESS | kRecordView);
    for (int i = 0; i < fileCount_ && result == ERROR_SUCCESS; ++i) {
      result = RegSetValueExW(files.get(), files_[i].name, 0, REG_BINARY,
                              reinterpret_cast<const BYTE*>(&files_[i].digest),
                              sizeof files_[i].digest);
    }
  }
  RegKey presets;
  if (result == ERROR_SUCCESS && presetCount_) {
    result = presets.Create(record.get(), L"Presets", KEY_ALL_ACCESS | kRecordView);
  }
  for (int i = 0; i < presetCount_ && result == ERROR_SUCCESS; ++i) {
    result = SetNumber(presets.get(), presets_[i], 1);
  }
  if (result == ERROR_SUCCESS) result = SetText(record.get(), L"Version", kInstallerVersion);
  return static_cast<DWORD>(result);
}
