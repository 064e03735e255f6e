// The message filter hook of the Setup window's modal loop.
#include "window/dialog_key_filter.h"

namespace {

DialogKeyHandler g_keyHandler;

LRESULT CALLBACK FilterDialogMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX && g_keyHandler(*reinterpret_cast<const MSG*>(lParam))) return TRUE;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogKeyFilter::DialogKeyFilter(DialogKeyHandler handler) {
  g_keyHandler = handler;
  hook_.reset(SetWindowsHookExW(WH_MSGFILTER, FilterDialogMessage, nullptr, GetCurrentThreadId()));
}
