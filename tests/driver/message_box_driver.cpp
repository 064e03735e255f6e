// Driving message boxes from a test.
#include "tests/driver/message_box_driver.h"

#include "tests/driver/dialog_finder.h"
#include "tests/support/platform_fixtures.h"

namespace {

// The static text of a message box; the Setup window, captioned alike, has none.
const int kMessageTextId = 0xFFFF;

}  // namespace

HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs) {
  for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
    HWND box = FindVisibleDialog(processId, caption, kMessageTextId);
    if (box) return box;
    Sleep(50);
  }
  return nullptr;
}

SeenMessageBox AnswerMessageBox(HWND box) {
  SeenMessageBox seen;
  seen.owner = GetWindow(box, GW_OWNER);
  wchar_t text[2048] = L"";
  GetDlgItemTextW(box, kMessageTextId, text, ARRAYSIZE(text));
  seen.text = Utf8(text);
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
