// The Registry tree search over the editors' vendor keys.
#include "discovery/registry_search.h"

#include <string.h>
#include <windows.h>

#include "discovery/folder_tables.h"
#include "discovery/registry_access.h"
#include "discovery/registry_views.h"
#include "win32/handle_guards.h"

namespace {

bool Contains(const char* text, const char* part) { return strstr(text, part) != nullptr; }

// The matching rules, in order; data is stripped and keyPath and valueName lower-cased in place.
bool LooksLikePluginFolder(char* keyPath, char* valueName, char* data, const char* pattern) {
  if (!data[0]) return false;
  StripLeadingNonLetters(data);
  if (strlen(data) < 2 || data[1] != ':') return false;
  LowerCaseAscii(keyPath);
  if (!Contains(keyPath, pattern)) return false;
  if (Contains(keyPath, "plug")) return true;
  LowerCaseAscii(valueName);
  return Contains(valueName, "plug") || Contains(valueName, "directory1") ||
         Contains(valueName, "directory2") || Contains(valueName, "directory3");
}

// Where a pass walks: a root in one view, the start key's prefix, and the name its folders carry
// (null outside HKLM).
struct TreeRoot {
  HKEY root;
  REGSAM view;
  const char* prefix;
  const char* origin;
};

// Opens the key at keyPath into key and enumerates its values until the first failure, which
// also resets the value cursor. A key that cannot be opened has no values and stays closed.
void OpenAndAddMatchingValues(const TreeRoot& root, char* keyPath, const char* pattern,
                              RegKey& key) {
  if (key.Open(root.root, keyPath, KEY_READ | root.view) != ERROR_SUCCESS) {
    ResetRegValueCursor();
    return;
  }
  char valueName[kFolderTextSize];
  char data[kFolderTextSize];
  while (EnumOpenRegStringValue(key.get(), valueName, data) == ERROR_SUCCESS) {
    if (LooksLikePluginFolder(keyPath, valueName, data, pattern)) {
      AddCandidateFolder(data, sizeof data, root.origin);
    }
  }
}

// Depth first and pre-order: a key's values, then each subkey with its whole subtree. Each key
// on the path stays open while the walk is below it, so that every key is opened once.
void WalkTree(const TreeRoot& root, char* keyPath, const char* pattern) {
  KeyPathStack stack;
  RegKey openKeys[kKeyPathLevels + 1];  // the start key, then one per stack level
  char subkeyName[kFolderTextSize];
  int currentIndex = 0;
  OpenAndAddMatchingValues(root, keyPath, pattern, openKeys[0]);
  for (;;) {
    RegKey& current = openKeys[stack.top + 1];
    if (current.get() && EnumOpenRegSubkey(current.get(), subkeyName,
                                           static_cast<DWORD>(currentIndex)) == ERROR_SUCCESS) {
      if (Push(stack, keyPath, subkeyName, currentIndex)) {
        OpenAndAddMatchingValues(root, keyPath, pattern, openKeys[stack.top + 1]);
      } else {
        ++currentIndex;
      }
      continue;
    }
    current = RegKey();
    int savedIndex = Pop(stack, keyPath);
    if (savedIndex < 0) return;
    currentIndex = savedIndex + 1;
  }
}

}  // namespace

bool Push(KeyPathStack& stack, char* keyPath, const char* subkeyName, int& currentIndex) {
  size_t length = strlen(keyPath);
  if (stack.top + 1 >= kKeyPathLevels) return false;
  if (length + 1 + strlen(subkeyName) >= kFolderTextSize) return false;
  ++stack.top;
  stack.savedIndex[stack.top] = currentIndex;
  stack.savedLength[stack.top] = static_cast<int>(length);
  AppendText(keyPath, kFolderTextSize, "\\");
  AppendText(keyPath, kFolderTextSize, subkeyName);
  currentIndex = 0;
  return true;
}

int Pop(KeyPathStack& stack, char* keyPath) {
  if (stack.top < 0) {
    stack.top = -1;
    return -1;
  }
  keyPath[stack.savedLength[stack.top]] = '\0';
  return stack.savedIndex[stack.top--];
}

void SearchRegistryTree(const char* rootPart, const char* vendor, const char* pattern) {
  // HKEY_CURRENT_USER, then each view of HKEY_LOCAL_MACHINE, then HKEY_USERS\.default.
  const RegistryViews machine = LocalMachineViews();
  TreeRoot roots[kMostViews + 2] = {{HKEY_CURRENT_USER, 0, "", nullptr}};
  int count = 1;
  for (int i = 0; i < machine.count && i < kMostViews; ++i) {
    const RegistryView& view = machine.views[i];
    roots[count++] = {HKEY_LOCAL_MACHINE, view.flag, "", view.name};
  }
  roots[count++] = {HKEY_USERS, 0, ".default\\", nullptr};
  for (int i = 0; i < count; ++i) {
    char keyPath[kFolderTextSize] = "";
    if (!AppendText(keyPath, sizeof keyPath, roots[i].prefix) ||
        !AppendText(keyPath, sizeof keyPath, rootPart) ||
        !AppendText(keyPath, sizeof keyPath, "\\") ||
        !AppendText(keyPath, sizeof keyPath, vendor)) {
      continue;
    }
    WalkTree(roots[i], keyPath, pattern);
  }
}
