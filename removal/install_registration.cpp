// Registering an installation for its removal.
#include "removal/install_registration.h"

#include "removal/uninstall_entry.h"
#include "removal/uninstaller_copy.h"

DWORD RegisterInstallation(const InstallRecorder& recorder, bool folderCreated) {
  wchar_t uninstaller[MAX_PATH];
  DWORD uninstallerSize = 0;
  // The entry names the copy, so the copy comes first.
  DWORD error = PlaceUninstaller(uninstaller, &uninstallerSize);
  if (error == ERROR_SUCCESS) error = recorder.Save(folderCreated);
  if (error != ERROR_SUCCESS) return error;
  DWORD bytes = recorder.bytesWritten() + uninstallerSize;
  return WriteUninstallEntry(uninstaller, recorder.folder(), (bytes + 1023) / 1024);
}

void ReportUnregisteredInstallation(HWND owner, DWORD error) {
  wchar_t text[200];
  wsprintfW(text,
            L"The plug-in was installed, but it could not be registered for removal from "
            L"Settings > Apps (error %lu).",
            error);
  MessageBoxW(owner, text, L"Glimmerion Setup", MB_OK | MB_ICONWARNING);
}
