// Finding a process's dialog windows from a test.
#include "tests/driver/dialog_finder.h"

namespace {

struct DialogSearch {
  DWORD processId;
  const char* caption;
  int item;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  DialogSearch* search = reinterpret_cast<DialogSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  // Read without a message: GetWindowText would wait on a window whose thread waits on this one.
  wchar_t wideCaption[128] = L"";
  char caption[128] = "";
  InternalGetWindowText(window, wideCaption, 128);
  WideCharToMultiByte(CP_ACP, 0, wideCaption, -1, caption, sizeof caption, nullptr, nullptr);
  if (owner != search->processId || lstrcmpA(className, "#32770") != 0 ||
      (search->caption && lstrcmpA(caption, search->caption) != 0) || !IsWindowVisible(window) ||
      (search->item && !GetDlgItem(window, search->item)))
    return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindVisibleDialog(DWORD processId, const char* caption, int item) {
  DialogSearch search = {processId, caption, item, nullptr};
  EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
