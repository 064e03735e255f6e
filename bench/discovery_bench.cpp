// Times discovery over synthetic vendor trees of about 1,000, 10,000 and 50,000 keys.
#include <stdio.h>
#include <windows.h>

#include "discovery/folder_tables.h"
#include "discovery/reg_key.h"
#include "discovery/registry_search.h"

namespace {

const int kLeavesPerGroup = 49;  // a group key and its leaves make 50 keys

struct TreeSize {
  const char* vendor;  // each size under its own vendor, so each search walks one tree
  int keys;
};
const TreeSize kSizes[] = {{"corel", 1000}, {"jasc", 10000}, {"adobe", 50000}};

double Seconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool SetString(HKEY key, const char* name, const char* text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        static_cast<DWORD>(lstrlenA(text) + 1)) == ERROR_SUCCESS;
}

// Five values per key, as editors store them: one plug-in folder that matches, a drive path and a
// version that the rules reject, and two values that are not strings.
bool WriteValues(HKEY key, int number) {
  char folder[64];
  wsprintfA(folder, "D:\\Bench\\Plug-Ins\\%d", number);
  DWORD count = static_cast<DWORD>(number);
  BYTE layout[16] = {1, 2, 3, 4};
  return SetString(key, "Build", "9.0") &&
         RegSetValueExA(key, "Count", 0, REG_DWORD, reinterpret_cast<BYTE*>(&count), sizeof count) ==
             ERROR_SUCCESS &&
         SetString(key, "Folder", "D:\\Bench\\Documents") &&
         RegSetValueExA(key, "Layout", 0, REG_BINARY, layout, sizeof layout) == ERROR_SUCCESS &&
         SetString(key, "PlugInPath", folder);
}

// software\vendor\Photoshop\gNNNN\kNN: groups of 50 keys below one editor key.
bool BuildTree(const char* vendor, int keys) {
  char path[64];
  wsprintfA(path, "software\\%s\\Photoshop", vendor);
  RegKey editor;
  if (editor.Create(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
  int written = 1;
  if (!WriteValues(editor.get(), 0)) return false;
  for (int group = 0; written < keys; ++group) {
    char name[16];
    wsprintfA(name, "g%04d", group);
    RegKey groupKey;
    if (groupKey.Create(editor.get(), name, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
    if (!WriteValues(groupKey.get(), written++)) return false;
    for (int leaf = 0; leaf < kLeavesPerGroup && written < keys; ++leaf) {
      wsprintfA(name, "k%02d", leaf);
      RegKey leafKey;
      if (leafKey.Create(groupKey.get(), name, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
      if (!WriteValues(leafKey.get(), written++)) return false;
    }
  }
  return true;
}

void DeleteTree(const char* vendor) {
  char path[64];
  wsprintfA(path, "software\\%s", vendor);
  RegDeleteTreeA(HKEY_CURRENT_USER, path);
}

}  // namespace

int main() {
  CreateDirectoryA("D:\\Bench", nullptr);
  CreateDirectoryA("D:\\Bench\\Plug-Ins", nullptr);
  for (const TreeSize& size : kSizes) {
    DeleteTree(size.vendor);
    double start = Seconds();
    bool built = BuildTree(size.vendor, size.keys);
    double buildTime = Seconds() - start;
    if (!built) {
      printf("BENCH|registry tree search|%d keys|failed to build|-\n", size.keys);
      DeleteTree(size.vendor);
      continue;
    }
    g_candidateFolders = FolderTable();
    start = Seconds();
    SearchRegistryTree("software", size.vendor, "photoshop");
    double searchTime = Seconds() - start;
    printf("BENCH|registry tree search|%d keys|%.3f s|%.1f us per key\n", size.keys, searchTime,
           searchTime * 1e6 / size.keys);
    printf("BENCH|building the tree (setup)|%d keys|%.3f s|%.1f us per key\n", size.keys, buildTime,
           buildTime * 1e6 / size.keys);
    fflush(stdout);
    DeleteTree(size.vendor);
  }
  return 0;
}
