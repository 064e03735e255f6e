// Driving message boxes from a test.
#include "tests/app/message_box_driver.h"

namespace {

const int kMessageTextId = 0xFFFF;  // the static text of a message box

struct BoxSearch {
  DWORD processId;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
  BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = "";
  char caption[128] = "";
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (owner != search->processId || lstrcmpA(className, "#32770") != 0 ||
      lstrcmpA(caption, search->caption) != 0 || !IsWindowVisible(window))
    return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs) {
  for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
    BoxSearch search = {processId, caption, nullptr};
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

SeenMessageBox AnswerMessageBox(HWND box) {
  SeenMessageBox seen;
  seen.owner = GetWindow(box, GW_OWNER);
  char text[2048] = "";
  GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
  seen.text = text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return seen;
}

MessageBoxAnswer::MessageBoxAnswer(const char* caption)
    : caption_(caption), thread_([this] {
        HWND box = WaitForMessageBox(GetCurrentProcessId(), caption_.c_str(), 5000);
        if (!box) return;
        seen_ = AnswerMessageBox(box);
        answered_ = true;
      }) {}

MessageBoxAnswer::~MessageBoxAnswer() {
  if (thread_.joinable()) thread_.join();
}

bool MessageBoxAnswer::Answered() {
  if (thread_.joinable()) thread_.join();
  return answered_;
}
