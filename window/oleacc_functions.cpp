// OLEACC loaded from System32 when first needed.
#include "window/oleacc_functions.h"

namespace {

HMODULE LoadOleacc() {
  HMODULE module = LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module) return module;
  // Windows 7 without KB2533623 refuses the flag: the full path instead.
  wchar_t path[MAX_PATH];
  const wchar_t kName[] = L"\\oleacc.dll";
  UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length + sizeof kName / sizeof kName[0] > MAX_PATH) return nullptr;
  lstrcpynW(path + length, kName, MAX_PATH - length);
  return LoadLibraryW(path);
}

// Loaded once, and kept for the life of the process.
HMODULE g_oleacc;

void* Function(const char* name) {
  if (!g_oleacc) g_oleacc = LoadOleacc();
  return g_oleacc ? reinterpret_cast<void*>(GetProcAddress(g_oleacc, name)) : nullptr;
}

}  // namespace

LRESULT LoadedLresultFromObject(REFIID id, WPARAM flags, IUnknown* object) {
  typedef LRESULT(WINAPI * Fn)(REFIID, WPARAM, LPUNKNOWN);
  Fn function = reinterpret_cast<Fn>(Function("LresultFromObject"));
  return function ? function(id, flags, object) : 0;
}

HRESULT LoadedAccessibleObjectFromWindow(HWND window, DWORD objectId, REFIID id, void** object) {
  typedef HRESULT(WINAPI * Fn)(HWND, DWORD, REFIID, void**);
  Fn function = reinterpret_cast<Fn>(Function("AccessibleObjectFromWindow"));
  if (function) return function(window, objectId, id, object);
  *object = nullptr;
  return E_FAIL;
}
