// Thin registry reads and writes for discovery and installation.
#include "discovery/registry_access.h"

#include "discovery/registry_views.h"
#include "win32/handle_guards.h"

namespace {

DWORD g_valueCursor = 0;

// RegQueryValueEx and RegEnumValue do not terminate a string stored without its NUL.
// On any error the data is emptied, so that no caller can read a half-filled buffer.
bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// dataSize is in bytes, as the calls give it; an odd last byte is no character and is dropped.
// The limit counts a text's characters and any other value's bytes, so a value that did not fit
// before still does not.
LONG TerminateString(DWORD type, wchar_t* data, DWORD dataSize, LONG result) {
  const DWORD length = dataSize / sizeof(wchar_t);
  if (result == ERROR_SUCCESS && !IsText(type) && dataSize > kRegTextSize) result = ERROR_MORE_DATA;
  if (result != ERROR_SUCCESS || type != REG_SZ || length == 0) {
    data[0] = L'\0';
    return result;
  }
  if (data[length - 1] == L'\0') return result;
  if (length >= kRegTextSize) {
    data[0] = L'\0';
    return ERROR_MORE_DATA;
  }
  data[length] = L'\0';
  return result;
}

// Writes the value under one root in one view; adds the root's bit to *written when it took it.
LONG WriteRegValue(HKEY root, REGSAM view, int rootBit, const wchar_t* valueName,
                   const wchar_t* subkey, const void* data, DWORD size, bool isString, int* written) {
  RegKey key;
  LONG result = key.Create(root, subkey, KEY_ALL_ACCESS | view);
  if (result == ERROR_SUCCESS) {
    result = RegSetValueExW(key.get(), valueName, 0, isString ? REG_SZ : REG_BINARY,
                            static_cast<const BYTE*>(data), size);
  }
  if (result == ERROR_SUCCESS) *written |= rootBit;
  return result;
}

}  // namespace

LONG ReadRegString(HKEY root, const wchar_t* subkey, const wchar_t* valueName, wchar_t* buffer,
                   REGSAM view) {
  RegKey key;
  LONG result = key.Open(root, subkey, KEY_READ | view);
  if (result != ERROR_SUCCESS) return result;
  DWORD type = REG_SZ;
  DWORD size = kRegTextSize * sizeof(wchar_t);
  result = RegQueryValueExW(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                            &size);
  return TerminateString(type, buffer, size, result);
}

LONG EnumRegStringValue(HKEY root, const wchar_t* subkey, wchar_t* name, wchar_t* data) {
  RegKey key;
  LONG result = key.Open(root, subkey, KEY_READ);
  if (result != ERROR_SUCCESS) {
    ResetRegValueCursor();
    return result;
  }
  return EnumOpenRegStringValue(key.get(), name, data);
}

LONG EnumOpenRegStringValue(HKEY key, wchar_t* name, wchar_t* data) {
  DWORD type = REG_SZ;
  DWORD nameSize = kRegTextSize;
  DWORD dataSize = kRegTextSize * sizeof(wchar_t);
  LONG result = RegEnumValueW(key, g_valueCursor, name, &nameSize, nullptr, &type,
                              reinterpret_cast<BYTE*>(data), &dataSize);
  result = TerminateString(type, data, dataSize, result);
  ++g_valueCursor;
  if (result != ERROR_SUCCESS) {
    name[0] = L'\0';
    ResetRegValueCursor();
  }
  return result;
}

void ResetRegValueCursor() { g_valueCursor = 0; }

LONG EnumRegSubkey(HKEY root, const wchar_t* subkey, wchar_t* name, DWORD index) {
  RegKey key;
  LONG result = key.Open(root, subkey, KEY_READ);
  if (result != ERROR_SUCCESS) return result;
  return EnumOpenRegSubkey(key.get(), name, index);
}

LONG EnumOpenRegSubkey(HKEY key, wchar_t* name, DWORD index) {
  DWORD nameSize = kRegTextSize;
  FILETIME lastWrite;
  LONG result = RegEnumKeyExW(key, index, name, &nameSize, nullptr, nullptr, nullptr, &lastWrite);
  if (result != ERROR_SUCCESS) name[0] = L'\0';
  return result;
}

LONG WriteRegValueBothHives(const wchar_t* valueName, const wchar_t* subkey, const void* data,
                            DWORD size, bool isString, int* roots) {
  int written = 0;
  LONG firstError = WriteRegValue(HKEY_CURRENT_USER, 0, kRootCurrentUser, valueName, subkey, data,
                                  size, isString, &written);
  const RegistryViews machine = LocalMachineViews();
  for (int i = 0; i < machine.count; ++i) {
    const RegistryView& view = machine.views[i];
    LONG result = WriteRegValue(HKEY_LOCAL_MACHINE, view.flag, view.rootBit, valueName, subkey,
                                data, size, isString, &written);
    if (firstError == ERROR_SUCCESS) firstError = result;
  }
  if (roots) *roots = written;
  return written ? ERROR_SUCCESS : firstError;
}
