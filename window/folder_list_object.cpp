// The folder list subclassed for WM_GETOBJECT.
#include "window/folder_list_object.h"

namespace {

WNDPROC g_comboProc;
ListObjectAnswer g_answer;

LRESULT CALLBACK FolderListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
    const LRESULT answer = g_answer(wParam);
    if (answer != 0) return answer;
  }
  return CallWindowProcW(g_comboProc, list, message, wParam, lParam);
}

}  // namespace

void AnswerForFolderList(HWND list, ListObjectAnswer answer) {
  g_answer = answer;
  g_comboProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FolderListProc)));
}
