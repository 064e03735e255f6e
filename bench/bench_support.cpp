// What the benchmarks share.
#include "bench/bench_support.h"

#include <stdio.h>

#include <algorithm>

#include "win32/handle_guards.h"

namespace {

const int kKeysPerGroup = 50;  // a group key and its 49 leaves

bool SetString(HKEY key, const char* name, const char* text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        static_cast<DWORD>(lstrlenA(text) + 1)) == ERROR_SUCCESS;
}

bool WriteValues(HKEY key, int number) {
  char folder[64];
  wsprintfA(folder, "%s\\%d", kBenchPluginFolder, number);
  DWORD count = static_cast<DWORD>(number);
  BYTE layout[16] = {1, 2, 3, 4};
  return SetString(key, "Build", "9.0") &&
         RegSetValueExA(key, "Count", 0, REG_DWORD, reinterpret_cast<BYTE*>(&count), sizeof count) ==
             ERROR_SUCCESS &&
         SetString(key, "Folder", "D:\\Bench\\Documents") &&
         RegSetValueExA(key, "Layout", 0, REG_BINARY, layout, sizeof layout) == ERROR_SUCCESS &&
         SetString(key, "PlugInPath", folder);
}

}  // namespace

double Seconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  if (values.size() % 2) return values[middle];
  return (values[middle - 1] + values[middle]) / 2;
}

void Row(const char* name, const char* size, const char* time, const char* cost) {
  printf("BENCH|%s|%s|%s|%s\n", name, size, time, cost);
  fflush(stdout);
}

bool GrowEditorTree(HKEY editor, int keys, int newKeys) {
  if (keys == 0 && !WriteValues(editor, keys++)) return false;
  for (; keys < newKeys; ++keys) {
    int group = (keys - 1) / kKeysPerGroup;
    int leaf = (keys - 1) % kKeysPerGroup - 1;  // -1: the group key itself
    wchar_t name[16];
    wsprintfW(name, L"g%04d", group);
    RegKey key;
    if (key.Create(editor, name, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
    if (leaf >= 0) {
      RegKey leafKey;
      wsprintfW(name, L"k%02d", leaf);
      if (leafKey.Create(key.get(), name, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
      key = static_cast<RegKey&&>(leafKey);
    }
    if (!WriteValues(key.get(), keys)) return false;
  }
  return true;
}

bool CreateBenchPluginFolder() {
  CreateDirectoryA("D:\\Bench", nullptr);
  CreateDirectoryA(kBenchPluginFolder, nullptr);
  return GetFileAttributesA(kBenchPluginFolder) != INVALID_FILE_ATTRIBUTES;
}
