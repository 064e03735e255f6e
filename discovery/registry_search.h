// The Registry tree search: walks one vendor's subtree under three roots and adds every string
// value that looks like a plug-in folder setting to the Candidate folder list.
#pragma once

#include "text/path_text.h"

// The walk goes at most this many levels below the start key.
const int kKeyPathLevels = 19;

struct KeyPathStack {
  int top = -1;  // index of the top level; -1 when empty
  int savedIndex[kKeyPathLevels];   // per level: the subkey index at which the walk descended
  int savedLength[kKeyPathLevels];  // per level: the key path's length before the descent
};

// Descends into subkeyName: saves currentIndex and the key path's length, appends "\" and the
// name to keyPath (kFolderTextSize characters) and sets currentIndex to 0. Returns false, changing
// nothing, when the stack is full or the key path would not fit; the caller then passes over
// that subkey with its whole subtree.
bool Push(KeyPathStack& stack, wchar_t* keyPath, const wchar_t* subkeyName, int& currentIndex);

// Returns to the parent key: ends keyPath at the saved length and returns the saved subkey index,
// or -1 when the stack is empty.
int Pop(KeyPathStack& stack, wchar_t* keyPath);

// Searches root part\vendor under HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE (each of its views, the
// 64-bit one first) and HKEY_USERS\.default, in that order. All three texts are lower case; an
// empty pattern matches every key path.
void SearchRegistryTree(const wchar_t* rootPart, const wchar_t* vendor, const wchar_t* pattern);
