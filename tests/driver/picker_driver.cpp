// Driving the system folder picker from a test.
#include "tests/driver/picker_driver.h"

#include <shlobj.h>

#include "tests/support/platform_fixtures.h"

namespace {

const char kPickerCaption[] = "Browse for Folder";

HWND FindPicker() {
  DWORD self = GetCurrentProcessId();
  for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, kPickerCaption); window;
       window = FindWindowExA(nullptr, window, nullptr, kPickerCaption)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == self && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
  char text[256] = "";
  GetWindowTextA(child, text, sizeof text);
  *reinterpret_cast<std::string*>(texts) += std::string(text) + "\n";
  return TRUE;
}

}  // namespace

PickerAnswer::PickerAnswer(std::string folder)
    : folder_(std::move(folder)), thread_(&PickerAnswer::Run, this) {}

PickerAnswer::~PickerAnswer() {
  if (thread_.joinable()) thread_.join();
}

bool PickerAnswer::Answered() {
  if (thread_.joinable()) thread_.join();
  return answered_;
}

bool PickerAnswer::ShowedTitle(const char* title) {
  Answered();
  return texts_.find(std::string(title) + "\n") != std::string::npos;
}

void PickerAnswer::Run() {
  HWND picker = nullptr;
  for (int i = 0; i < 100 && !picker; ++i) {
    Sleep(50);
    picker = FindPicker();
  }
  if (!picker) return;
  EnumChildWindows(picker, CollectText, reinterpret_cast<LPARAM>(&texts_));
  if (folder_.empty()) {
    PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
  } else {
    const std::wstring folder = Wide(folder_);
    SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    PostMessageA(picker, WM_COMMAND, IDOK, 0);
  }
  answered_ = true;
}
