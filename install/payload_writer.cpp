// Installs the payload resources of a module as files and preset registry values.
#include "install/payload_writer.h"

#include <wchar.h>

#include "discovery/folder_tables.h"
#include "install/file_replace.h"
#include "install/preset_blobs.h"
#include "text/path_text.h"

namespace {

// Counts a failure (error is not 0) and, unless it was told already, tells the job's observer of
// the outcome.
void Record(PayloadJob* job, const wchar_t* name, DWORD size, DWORD error, bool told = false,
            const BYTE* data = nullptr) {
  if (error && job->failedCount++ == 0) {
    CopyField(job->firstFailedName, ARRAYSIZE(job->firstFailedName), name);
    job->firstError = error;
  }
  if (!told) TellJob(*job, PayloadNote{name, nullptr, 0, size, error, error ? nullptr : data});
}

// For calls that may fail without setting an error.
void RecordFailure(PayloadJob* job, const wchar_t* name, DWORD error) {
  Record(job, name, 0, error ? error : ERROR_GEN_FAILURE);
}

bool IsExcluded(const wchar_t* fileName) {
  int used = CountFolderSlots(g_exclusions);
  for (int slot = 0; slot < used; ++slot) {
    if (wcsstr(fileName, g_exclusions.slots[slot].text)) return true;
  }
  return false;
}

// Finds the resource's bytes; on failure returns null with the error in *error.
const BYTE* LoadPayloadBytes(HMODULE module, LPCWSTR name, DWORD* size, DWORD* error) {
  HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(kPayloadResourceType));
  if (!resource) {
    *error = GetLastError();
    return nullptr;
  }
  *size = SizeofResource(module, resource);
  if (*size == 0) {
    *error = ERROR_INVALID_DATA;
    return nullptr;
  }
  HGLOBAL loaded = LoadResource(module, resource);
  const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (!bytes) *error = GetLastError();
  return bytes;
}

// The folder is opened for the first file and then held, so every file goes where the first went.
DWORD WritePayloadFile(PayloadJob* job, const wchar_t* fileName, const BYTE* bytes, DWORD size) {
  if (lstrlenW(job->installPath) + lstrlenW(fileName) >= static_cast<int>(kTargetPathSize)) {
    return ERROR_FILENAME_EXCED_RANGE;
  }
  if (!job->folder.IsOpen()) {
    DWORD error = job->folder.Open(job->installPath);
    if (error != ERROR_SUCCESS) return error;
  }
  return ReplaceFileContents(job->folder, fileName, bytes, size);
}

}  // namespace

BOOL CALLBACK InstallPayloadResource(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param) {
  PayloadJob* job = reinterpret_cast<PayloadJob*>(param);
  if (IS_INTRESOURCE(name)) {
    // A numbered resource has no name to become a file name.
    RecordFailure(job, L"#", ERROR_INVALID_NAME);
    return TRUE;
  }
  // The enumerator's name stays as it is; the file name is a prettified copy. A name cut short
  // here cannot fit the target path either, since the install path is never empty.
  wchar_t fileName[kTargetPathSize];
  CopyField(fileName, kTargetPathSize, name);
  PrettifyFileName(fileName);

  DWORD size = 0;
  DWORD error = ERROR_SUCCESS;
  const BYTE* bytes = LoadPayloadBytes(module, name, &size, &error);
  if (!bytes) {
    RecordFailure(job, fileName, error);
    return FALSE;
  }
  if (IsExcluded(fileName)) return TRUE;

  if (const PresetBlob* blob = FindPresetBlob(fileName)) {
    // Each value is told as it is written.
    Record(job, fileName, 0, WritePresetBlob(*blob, bytes, size, *job), true);
    return TRUE;
  }
  error = WritePayloadFile(job, fileName, bytes, size);
  // A refused link with no folder open is the folder itself, not this file.
  Record(job, error == kLinkRefusedError && !job->folder.IsOpen() ? L"" : fileName, size, error,
         false, bytes);
  return TRUE;
}

void InstallPayload(HMODULE module, PayloadJob* job) {
  int failedBefore = job->failedCount;
  SetLastError(ERROR_SUCCESS);
  BOOL completed = EnumResourceNamesW(module, MAKEINTRESOURCEW(kPayloadResourceType),
                                      InstallPayloadResource, reinterpret_cast<LONG_PTR>(job));
  // A stop by the callback is already counted; any other failure means nothing was installed.
  if (!completed && job->failedCount == failedBefore) RecordFailure(job, L"", GetLastError());
  job->folder.Close();
}
