// The display scale of a window, found at run time so that the exe still starts on Windows 7.
#include "skin/dpi_scale.h"

#include "win32/handle_guards.h"

int ScaleToDpi(int value, int dpi) { return dpi > 0 ? MulDiv(value, dpi, kBaseDpi) : value; }

int WindowDpi(HWND window) {
  typedef UINT(WINAPI * GetDpiForWindowFn)(HWND);
  GetDpiForWindowFn getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow) {
    const int dpi = static_cast<int>(getDpiForWindow(window));
    if (dpi > 0) return dpi;
  }
  WindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : kBaseDpi;
}
