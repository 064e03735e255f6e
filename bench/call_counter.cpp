// Counts calls by pointing this program's import table entries at counting stand-ins; every
// call that the statically linked product code makes goes through that table.
#include "bench/call_counter.h"

#include <windows.h>

namespace {

CallCounts g_counts = {0, 0, 0};

decltype(&RegOpenKeyExW) g_regOpenKeyEx;
decltype(&RegCloseKey) g_regCloseKey;
decltype(&RegEnumValueW) g_regEnumValue;
decltype(&RegEnumKeyExW) g_regEnumKeyEx;
decltype(&RegQueryValueExW) g_regQueryValueEx;
decltype(&SetCurrentDirectoryW) g_setCurrentDirectory;
decltype(&GetFileAttributesW) g_getFileAttributes;

LONG WINAPI CountedRegOpenKeyEx(HKEY key, LPCWSTR subkey, DWORD options, REGSAM access,
                                PHKEY result) {
  ++g_counts.registry;
  return g_regOpenKeyEx(key, subkey, options, access, result);
}

LONG WINAPI CountedRegCloseKey(HKEY key) {
  ++g_counts.registry;
  return g_regCloseKey(key);
}

LONG WINAPI CountedRegEnumValue(HKEY key, DWORD index, LPWSTR name, LPDWORD nameSize,
                                LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  ++g_counts.registry;
  return g_regEnumValue(key, index, name, nameSize, reserved, type, data, dataSize);
}

LONG WINAPI CountedRegEnumKeyEx(HKEY key, DWORD index, LPWSTR name, LPDWORD nameSize,
                                LPDWORD reserved, LPWSTR className, LPDWORD classSize,
                                PFILETIME lastWrite) {
  ++g_counts.registry;
  return g_regEnumKeyEx(key, index, name, nameSize, reserved, className, classSize, lastWrite);
}

LONG WINAPI CountedRegQueryValueEx(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type,
                                   LPBYTE data, LPDWORD dataSize) {
  ++g_counts.registry;
  return g_regQueryValueEx(key, name, reserved, type, data, dataSize);
}

BOOL WINAPI CountedSetCurrentDirectory(LPCWSTR path) {
  ++g_counts.enter;
  return g_setCurrentDirectory(path);
}

DWORD WINAPI CountedGetFileAttributes(LPCWSTR path) {
  ++g_counts.query;
  return g_getFileAttributes(path);
}

struct Hook {
  const char* name;
  void** original;
  void* counted;
};

// Replaces the import table entry of the named function; false when the program imports none.
bool Patch(BYTE* base, const IMAGE_IMPORT_DESCRIPTOR* import, const Hook& hook) {
  auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
  auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
  for (; names->u1.AddressOfData; ++names, ++slots) {
    if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
    auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
    if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), hook.name) != 0) continue;
    DWORD protection;
    if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                        &protection)) {
      return false;
    }
    *hook.original = reinterpret_cast<void*>(slots->u1.Function);
    slots->u1.Function = reinterpret_cast<ULONG_PTR>(hook.counted);
    VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
    return true;
  }
  return false;
}

}  // namespace

bool StartCountingCalls() {
  const Hook hooks[] = {
      {"RegOpenKeyExW", reinterpret_cast<void**>(&g_regOpenKeyEx),
       reinterpret_cast<void*>(&CountedRegOpenKeyEx)},
      {"RegCloseKey", reinterpret_cast<void**>(&g_regCloseKey),
       reinterpret_cast<void*>(&CountedRegCloseKey)},
      {"RegEnumValueW", reinterpret_cast<void**>(&g_regEnumValue),
       reinterpret_cast<void*>(&CountedRegEnumValue)},
      {"RegEnumKeyExW", reinterpret_cast<void**>(&g_regEnumKeyEx),
       reinterpret_cast<void*>(&CountedRegEnumKeyEx)},
      {"RegQueryValueExW", reinterpret_cast<void**>(&g_regQueryValueEx),
       reinterpret_cast<void*>(&CountedRegQueryValueEx)},
      {"SetCurrentDirectoryW", reinterpret_cast<void**>(&g_setCurrentDirectory),
       reinterpret_cast<void*>(&CountedSetCurrentDirectory)},
      {"GetFileAttributesW", reinterpret_cast<void**>(&g_getFileAttributes),
       reinterpret_cast<void*>(&CountedGetFileAttributes)},
  };
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  int patched = 0;
  for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       import->Name; ++import) {
    for (const Hook& hook : hooks) {
      if (Patch(base, import, hook)) ++patched;
    }
  }
  return patched == sizeof hooks / sizeof hooks[0];
}

CallCounts CountedCalls() { return g_counts; }

void ResetCallCounts() { g_counts = {0, 0, 0}; }
