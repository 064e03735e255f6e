// The installer's start-up: one instance at a time, the Setup window, exit code 0 in every case.
#include <windows.h>

#include "app/dll_search_path.h"
#include "app/process_guards.h"
#include "app/setup_window.h"

static_assert(sizeof(char) == 1 && sizeof(int) == 4, "32-bit integer layout expected");

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RestrictDllSearchPath();
  InstanceMutex instanceMutex;
  if (instanceMutex.AnotherInstanceRuns()) return 0;
  ComApartment comApartment;
  if (RunSetupWindow(instance) != 0) MessageBoxA(nullptr, "E", nullptr, MB_OK);
  return 0;
}
