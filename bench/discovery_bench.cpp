// Times the registry tree search over one synthetic vendor tree grown to about 1,000, 10,000 and
// 50,000 keys.
#include <stdio.h>
#include <windows.h>

#include "discovery/folder_tables.h"
#include "discovery/reg_key.h"
#include "discovery/registry_search.h"

namespace {

const int kKeysPerGroup = 50;  // a group key and its 49 leaves
const int kSizes[] = {1000, 10000, 50000};
// The machine is shared: sizes up to this many keys are searched several times and the fastest
// run is shown; the largest tree is searched once.
const int kRepeatedSizeLimit = 10000;
const int kRepeats = 3;

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

// Grows Photoshop\gNNNN\kNN from keys to newKeys keys (the editor key counts as key 0), so that
// each size reuses the keys written for the smaller ones.
bool GrowTree(HKEY editor, int keys, int newKeys) {
  if (keys == 0 && !WriteValues(editor, keys++)) return false;
  for (; keys < newKeys; ++keys) {
    int group = (keys - 1) / kKeysPerGroup;
    int leaf = (keys - 1) % kKeysPerGroup - 1;  // -1: the group key itself
    char name[16];
    wsprintfA(name, "g%04d", group);
    RegKey key;
    if (key.Create(editor, name, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
    if (leaf >= 0) {
      RegKey leafKey;
      wsprintfA(name, "k%02d", leaf);
      if (leafKey.Create(key.get(), name, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
      key = static_cast<RegKey&&>(leafKey);
    }
    if (!WriteValues(key.get(), keys)) return false;
  }
  return true;
}

double SearchSeconds() {
  g_candidateFolders = FolderTable();
  double start = Seconds();
  SearchRegistryTree("software", "adobe", "photoshop");
  return Seconds() - start;
}

void Row(const char* name, int size, double seconds) {
  printf("BENCH|%s|%d keys|%.3f s|%.1f us per key\n", name, size, seconds, seconds * 1e6 / size);
  fflush(stdout);
}

}  // namespace

int main() {
  CreateDirectoryA("D:\\Bench", nullptr);
  CreateDirectoryA("D:\\Bench\\Plug-Ins", nullptr);
  RegDeleteTreeA(HKEY_CURRENT_USER, "software\\adobe");
  RegKey editor;
  if (editor.Create(HKEY_CURRENT_USER, "software\\adobe\\Photoshop", KEY_ALL_ACCESS) !=
      ERROR_SUCCESS) {
    return 1;
  }
  int keys = 0;
  for (int size : kSizes) {
    double start = Seconds();
    if (!GrowTree(editor.get(), keys, size)) break;
    double growSeconds = Seconds() - start;
    int added = size - keys;
    keys = size;
    double best = SearchSeconds();
    for (int run = 1; size <= kRepeatedSizeLimit && run < kRepeats; ++run) {
      double seconds = SearchSeconds();
      if (seconds < best) best = seconds;
    }
    Row("registry tree search", size, best);
    Row("writing keys for it (setup)", added, growSeconds);
  }
  editor = RegKey();
  RegDeleteTreeA(HKEY_CURRENT_USER, "software\\adobe");
  return keys == kSizes[2] ? 0 : 1;
}
