// Starting the installer and driving its window from another process.
#include "tests/app/installer_process.h"

namespace {

struct DialogSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  DialogSearch* search = reinterpret_cast<DialogSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  if (owner != search->processId || lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window))
    return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

InstallerProcess::~InstallerProcess() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool InstallerProcess::Start(const char* installerPath) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  char commandLine[] = "glimmerion-setup.exe";
  return CreateProcessA(installerPath, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_) != FALSE;
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
  DialogSearch search = {processId, nullptr};
  EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
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

std::vector<DWORD> CaptureClientArea(HWND window, SIZE* size) {
  RECT client;
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  size->cx = client.right;
  size->cy = client.bottom;
  std::vector<DWORD> pixels(static_cast<size_t>(size->cx) * size->cy);
  if (pixels.empty()) return pixels;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size->cx;
  info.bmiHeader.biHeight = -size->cy;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, size->cx, size->cy, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  memcpy(pixels.data(), bits, pixels.size() * sizeof(DWORD));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}
