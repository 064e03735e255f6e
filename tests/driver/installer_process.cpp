// Starting the installer and driving its window from another process.
#include "tests/driver/installer_process.h"

#include <string>

#include "tests/driver/dialog_finder.h"

InstallerProcess::~InstallerProcess() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

namespace {

std::wstring FromUtf8(const char* text) {
  std::wstring wide(lstrlenA(text) + 1, L'\0');
  int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, &wide[0], static_cast<int>(wide.size()));
  wide.resize(length > 0 ? length - 1 : 0);  // without the NUL
  return wide;
}

}  // namespace

bool InstallerProcess::Start(const char* installerPath, const char* currentDirectory,
                             const char* arguments) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"glimmerion-setup.exe " + FromUtf8(arguments);
  const std::wstring directory = currentDirectory ? FromUtf8(currentDirectory) : L"";
  return CreateProcessW(FromUtf8(installerPath).c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        0, nullptr, currentDirectory ? directory.c_str() : nullptr, &startup,
                        &info_) != FALSE;
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

bool InstallerProcess::WaitForExitUnseen(DWORD* exitCode, DWORD timeoutMs) const {
  bool seen = false;
  for (DWORD waited = 0; WaitForSingleObject(info_.hProcess, 5) == WAIT_TIMEOUT; waited += 5) {
    if (waited >= timeoutMs) return false;
    seen = seen || FindDialogOf(info_.dwProcessId);
  }
  return !seen && GetExitCodeProcess(info_.hProcess, exitCode) != FALSE;
}

HWND FindDialogOf(DWORD processId) {
  return FindVisibleDialog(processId, nullptr);
}

void PressKey(HWND window, WORD virtualKey, bool shift) {
  SetForegroundWindow(window);
  INPUT keys[4] = {};
  const WORD order[] = {VK_SHIFT, virtualKey, virtualKey, VK_SHIFT};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = order[i];
    if (i >= 2) keys[i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  // Without Shift only the middle two: the key's press and release.
  if (shift)
    SendInput(4, keys, sizeof(INPUT));
  else
    SendInput(2, keys + 1, sizeof(INPUT));
}

void PostClick(HWND window, POINT client) {
  LPARAM at = MAKELPARAM(client.x, client.y);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void PostMove(HWND window, POINT client) {
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}
