// Restricting the DLL search path at start-up.
#include "startup/dll_search_path.h"

#include <windows.h>

void RestrictDllSearchPath() {
  // SetDefaultDllDirectories exists from Windows 8 on (and on 7 with KB2533623), so it is looked
  // up rather than imported: an import would stop the exe from starting on older systems.
  typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  SetDefaultDllDirectoriesFn setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  SetDllDirectoryW(L"");
}
