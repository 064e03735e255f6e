// The start-up floor: a modal dialog with the Setup window's client size, without discovery,
// skin or controls, so that what the installer adds to Wine's own start-up shows.
#include <windows.h>

namespace {

const int kClientWidth = 500;
const int kClientHeight = 292;

INT_PTR CALLBACK BareDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      RECT frame = {0, 0, kClientWidth, kClientHeight};
      AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
      const int width = frame.right - frame.left;
      const int height = frame.bottom - frame.top;
      MoveWindow(window, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, FALSE);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) EndDialog(window, 0);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  DialogBoxParamA(instance, "main", nullptr, BareDialogProc, 0);
  return 0;
}
