// Starting the installer and driving its window from another process.
#include "tests/driver/installer_process.h"

#include "tests/driver/dialog_finder.h"

InstallerProcess::~InstallerProcess() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool InstallerProcess::Start(const char* installerPath, const char* currentDirectory) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  char commandLine[] = "glimmerion-setup.exe";
  return CreateProcessA(installerPath, commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory, &startup, &info_) != FALSE;
}

HWND InstallerProcess::WaitForWindow(DWORD timeoutMs) const {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (HWND window = FindDialogOf(info_.dwProcessId)) return window;
    if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

bool InstallerProcess::WaitForExit(DWORD* exitCode, DWORD timeoutMs) const {
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(info_.hProcess, exitCode) != FALSE;
}

HWND FindDialogOf(DWORD processId) {
  return FindVisibleDialog(processId, nullptr);
}

void PressKey(HWND window, WORD virtualKey) {
  SetForegroundWindow(window);
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

void PostClick(HWND window, POINT client) {
  LPARAM at = MAKELPARAM(client.x, client.y);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void PostMove(HWND window, POINT client) {
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}
