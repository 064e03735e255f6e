// The Registry tree search over the editors' vendor keys.
#include "discovery/registry_search.h"

#include <wchar.h>
#include <windows.h>

#include "discovery/folder_tables.h"
#include "discovery/registry_access.h"
#include "discovery/registry_views.h"
#include "win32/handle_guards.h"

namespace {

bool Contains(const wchar_t* text, const wchar_t* part) { return wcsstr(text, part) != nullptr; }

// The matching rules, in order; data is stripped and keyPath and valueName lower-cased in place.
bool LooksLikePluginFolder(wchar_t* keyPath, wchar_t* valueName, wchar_t* data,
                           const wchar_t* pattern) {
  if (!data[0]) return false;
  StripLeadingNonLetters(data);
  if (wcslen(data) < 2 || data[1] != L':') return false;
  LowerCaseAscii(keyPath);
  if (!Contains(keyPath, pattern)) return false;
  if (Contains(keyPath, L"plug")) return true;
  LowerCaseAscii(valueName);
  return Contains(valueName, L"plug") || Contains(valueName, L"directory1") ||
         Contains(valueName, L"directory2") || Contains(valueName, L"directory3");
}

// Where a pass walks: a root in one view, and the name its folders carry (null outside HKLM).
struct TreeRoot {
  HKEY root;
  REGSAM view;
  const wchar_t* origin;
};

// Opens the key at keyPath into key and enumerates its values until the first failure, which
// also resets the value cursor. A key that cannot be opened has no values and stays closed.
void OpenAndAddMatchingValues(const TreeRoot& root, wchar_t* keyPath, const wchar_t* pattern,
                              RegKey& key) {
  if (key.Open(root.root, keyPath, KEY_READ | root.view) != ERROR_SUCCESS) {
    ResetRegValueCursor();
    return;
  }
  wchar_t valueName[kFolderTextSize];
  wchar_t data[kFolderTextSize];
  while (EnumOpenRegStringValue(key.get(), valueName, data) == ERROR_SUCCESS) {
    if (LooksLikePluginFolder(keyPath, valueName, data, pattern)) {
      AddCandidateFolder(data, kFolderTextSize, root.origin);
    }
  }
}

// Depth first and pre-order: a key's values, then each subkey with its whole subtree. Each key
// on the path stays open while the walk is below it, so that every key is opened once.
void WalkTree(const TreeRoot& root, wchar_t* keyPath, const wchar_t* pattern) {
  KeyPathStack stack;
  RegKey openKeys[kKeyPathLevels + 1];  // the start key, then one per stack level
  wchar_t subkeyName[kFolderTextSize];
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

bool Push(KeyPathStack& stack, wchar_t* keyPath, const wchar_t* subkeyName, int& currentIndex) {
  size_t length = wcslen(keyPath);
  if (stack.top + 1 >= kKeyPathLevels) return false;
  if (length + 1 + wcslen(subkeyName) >= kFolderTextSize) return false;
  ++stack.top;
  stack.savedIndex[stack.top] = currentIndex;
  stack.savedLength[stack.top] = static_cast<int>(length);
  AppendText(keyPath, kFolderTextSize, L"\\");
  AppendText(keyPath, kFolderTextSize, subkeyName);
  currentIndex = 0;
  return true;
}

int Pop(KeyPathStack& stack, wchar_t* keyPath) {
  if (stack.top < 0) {
    stack.top = -1;
    return -1;
  }
  keyPath[stack.savedLength[stack.top]] = L'\0';
  return stack.savedIndex[stack.top--];
}

void SearchRegistryTree(const wchar_t* rootPart, const wchar_t* vendor, const wchar_t* pattern) {
  struct Pass {
    HKEY root;
    const wchar_t* prefix;
  };
  // Static, so that the table is read-only data rather than a writable copy.
  static const Pass passes[] = {
      {HKEY_CURRENT_USER, L""},
      {HKEY_LOCAL_MACHINE, L""},
      {HKEY_USERS, L".default\\"},
  };
  const RegistryViews machine = LocalMachineViews();
  for (const Pass& pass : passes) {
    wchar_t keyPath[kFolderTextSize] = L"";
    if (!AppendText(keyPath, kFolderTextSize, pass.prefix) ||
        !AppendText(keyPath, kFolderTextSize, rootPart) ||
        !AppendText(keyPath, kFolderTextSize, L"\\") ||
        !AppendText(keyPath, kFolderTextSize, vendor)) {
      continue;
    }
    // The machine's pass walks each of its views in turn; the other roots have one view.
    const bool machinePass = pass.root == HKEY_LOCAL_MACHINE;
    for (int i = 0; i < (machinePass ? machine.count : 1); ++i) {
      const TreeRoot root = {pass.root, machinePass ? machine.views[i].flag : 0,
                             machinePass ? machine.views[i].name : nullptr};
      WalkTree(root, keyPath, pattern);
    }
  }
}
