// The process entry point, in place of mingw's C runtime start-up. That start-up brings about
// 8 KB of code and sections (argument parsing, thread-local storage, pseudo-relocations, the
// unwind tables of its own objects) that the installer never uses; it needs only its static
// constructors run. An MSVC build keeps its own runtime's entry point and leaves this file out.
#include <windows.h>

// The linker's table of static constructors: -1, the constructors, then a null entry. They run
// last to first, as the runtime's own runner does. Nothing is left to destroy at exit.
extern "C" void (*__CTOR_LIST__[])();

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show);

extern "C" void WinMainCRTStartup() {
  int count = 0;
  while (__CTOR_LIST__[count + 1]) ++count;
  for (int i = count; i >= 1; --i) __CTOR_LIST__[i]();
  STARTUPINFOW startup;
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
  ExitProcess(WinMain(GetModuleHandleW(nullptr), nullptr, GetCommandLineA(), show));
}
