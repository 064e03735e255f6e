// Random vendor trees and random painter.set files: discovery must end and find exactly what an
// independent model of the matching rules predicts. Seeds are fixed so that failures repeat.
#include <gtest/gtest.h>

#include <ctype.h>
#include <stdio.h>

#include <random>
#include <string>
#include <vector>

#include "discovery/discovery_sequence.h"
#include "discovery/editor_probes.h"
#include "tests/discovery/discovery_test_support.h"
#include "tests/support/platform_fixtures.h"
#include "win32/handle_guards.h"

namespace {

using Folders = std::vector<std::string>;
using Random = std::mt19937;

const int kFolderCount = 30;

int Pick(Random& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}
bool Chance(Random& random, int percent) { return Pick(random, 1, 100) <= percent; }
template <size_t N>
const char* PickOf(Random& random, const char* const (&items)[N]) {
  return items[Pick(random, 0, static_cast<int>(N) - 1)];
}

// Bytes that survive Wine's round trip through code page 1252 and carry no path syntax.
char RandomByte(Random& random) {
  for (;;) {
    int byte = Pick(random, 0x20, 0xFF);
    if (byte == '\\' || byte == ':' || byte == 0x7F || byte == 0x81 || byte == 0x8D ||
        byte == 0x8F || byte == 0x90 || byte == 0x9D) {
      continue;
    }
    return static_cast<char>(byte);
  }
}
std::string RandomText(Random& random, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += RandomByte(random);
  return text;
}
std::string Ordinal(int number, int digits) {
  std::string text = std::to_string(number);
  return std::string(digits - text.size(), '0') + text;
}

// --- The model: the matching rules, the folder each generated path leads to, the walk. ---

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}
bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// Folders D:\F0 .. D:\F29 exist; nothing else that the generators name does. A path D:\Fk, or
// D:\Fk\ followed by one missing level, ends up as the folder D:\Fk\.
std::string ExpectedFolder(const std::string& path) {
  if (path.compare(0, 4, "D:\\F") != 0) return "";
  size_t end = 4;
  while (end < path.size() && isdigit(static_cast<unsigned char>(path[end]))) ++end;
  if (end == 4) return "";
  std::string rest = path.substr(end);
  if (!rest.empty() && (rest[0] != '\\' || rest.find('\\', 1) != std::string::npos)) return "";
  return path.substr(0, end) + "\\";
}

void AddExpected(Folders& folders, const std::string& folder) {
  if (folder.empty() || folders.size() == kFolderTableSlots) return;
  for (const std::string& known : folders) {
    if (known == folder) return;
  }
  folders.push_back(folder);
}

struct ModelValue {
  std::string name;
  DWORD type;
  std::string bytes;
};

struct ModelKey {
  std::string name;
  std::vector<ModelValue> values;   // created in enumeration order
  std::vector<ModelKey> subkeys;    // likewise
};

// The folder a value yields, or "" when the rules reject it.
std::string MatchValue(const std::string& keyPath, const ModelValue& value, const char* pattern) {
  std::string data;
  if (value.type == REG_SZ) data = std::string(value.bytes.c_str());
  size_t first = 0;
  while (first < data.size() && !IsCharAlphaA(data[first])) ++first;
  data = data.substr(first);
  if (data.size() < 2 || data[1] != ':') return "";
  std::string path = LowerAscii(keyPath);
  if (!Has(path, pattern)) return "";
  std::string name = LowerAscii(value.name);
  if (Has(path, "plug") || Has(name, "plug") || Has(name, "directory1") ||
      Has(name, "directory2") || Has(name, "directory3")) {
    return ExpectedFolder(data);
  }
  return "";
}

// True when reading this value fails, which ends the enumeration of its key.
bool ValueEndsEnumeration(const ModelValue& value) {
  if (value.name.size() > 255 || value.bytes.size() > 256) return true;
  return value.type == REG_SZ && value.bytes.size() == 256 && value.bytes.back() != '\0';
}

void ModelWalk(const ModelKey& key, const std::string& keyPath, int depth, const char* pattern,
               Folders& folders) {
  for (const ModelValue& value : key.values) {
    if (ValueEndsEnumeration(value)) break;
    AddExpected(folders, MatchValue(keyPath, value, pattern));
  }
  for (const ModelKey& subkey : key.subkeys) {
    std::string subkeyPath = keyPath + "\\" + subkey.name;
    if (depth + 1 > 19 || subkeyPath.size() > 399) continue;
    ModelWalk(subkey, subkeyPath, depth + 1, pattern, folders);
  }
}

// --- The generator of vendor trees. ---

std::string RandomData(Random& random, DWORD* type) {
  const char* const decorations[] = {"", "", "\"", "  ", "12 ", "\xA0\xD7", "(("};
  std::string core;
  switch (Pick(random, 0, 6)) {
    case 0:
    case 1:
      core = "D:\\F" + std::to_string(Pick(random, 0, kFolderCount - 1));
      break;
    case 2:
      core = "D:\\F" + std::to_string(Pick(random, 0, kFolderCount - 1)) + "\\Missing" +
             RandomText(random, Pick(random, 0, 6));
      break;
    case 3:
      core = "Q:\\Nowhere\\x";
      break;
    case 4:
      core = Chance(random, 50) ? "10:30" : "9:5";
      break;
    case 5:
      core = RandomText(random, Pick(random, 0, 40));
      break;
    default: {
      // A drive path padded to a length around the 256-byte limit.
      static const int kSizes[] = {254, 255, 256, 257, 300};
      core = "D:\\F" + std::to_string(Pick(random, 0, kFolderCount - 1)) + "\\";
      core += std::string(kSizes[Pick(random, 0, 4)] - core.size(), 'p');
      break;
    }
  }
  std::string text = PickOf(random, decorations) + core;
  int kind = Pick(random, 0, 9);
  if (kind < 6) {
    *type = REG_SZ;
    return text + std::string(1, '\0');
  }
  if (kind == 6) {
    *type = REG_SZ;  // stored without its NUL
    return text;
  }
  if (kind == 7) {
    *type = REG_EXPAND_SZ;
    return text + std::string(1, '\0');
  }
  if (kind == 8) {
    *type = REG_BINARY;
    return Chance(random, 50) ? text : std::string(Pick(random, 250, 300), '\x80');
  }
  *type = REG_DWORD;
  return std::string("D:\\F", 4);
}

std::string RandomValueName(Random& random, int ordinal) {
  const char* const names[] = {"",         "Plug",       "PlugInPath", "Directory1", "directory2",
                               "DIRECTORY3", "Directory4", "Folder",     "Path",       "xplugx"};
  std::string name = Ordinal(ordinal, 2);
  if (Chance(random, 5)) return name + std::string(Pick(random, 252, 300), 'n');  // 254 to 302
  if (Chance(random, 20)) return name + RandomText(random, Pick(random, 0, 20));
  return name + PickOf(random, names);
}

std::string RandomKeyName(Random& random, int ordinal, const char* pattern) {
  const char* const words[] = {"", "Viewer", "Plug-Ins", "PLUGINS", "Settings", "9.0"};
  std::string name = Ordinal(ordinal, 3);
  if (Chance(random, 25)) name += pattern;
  // Wine takes key names of up to 254 characters.
  if (Chance(random, 10)) return name + RandomText(random, Pick(random, 100, 254 - name.size()));
  if (Chance(random, 30)) return name + RandomText(random, Pick(random, 0, 20));
  return name + PickOf(random, words);
}

void FillKey(Random& random, ModelKey& key, int depth, int& budget, const char* pattern,
             bool deepChain) {
  int valueCount = Pick(random, 0, 5);
  for (int i = 0; i < valueCount; ++i) {
    ModelValue value;
    value.name = RandomValueName(random, i);
    value.bytes = RandomData(random, &value.type);
    key.values.push_back(value);
  }
  int subkeyCount = deepChain ? (depth < 22 ? 1 : 0) : Pick(random, 0, depth < 2 ? 5 : 2);
  for (int i = 0; i < subkeyCount && budget > 0; ++i) {
    --budget;
    ModelKey subkey;
    // A deep chain carries the pattern and "plug" near its top, so that its every value may match.
    if (deepChain) subkey.name = Ordinal(i, 3) + (depth == 0 ? std::string(pattern) + "plug" : "d");
    else subkey.name = RandomKeyName(random, i, pattern);
    FillKey(random, subkey, depth + 1, budget, pattern, deepChain && Chance(random, 97));
    key.subkeys.push_back(subkey);
  }
}

// A name in code page 1252, as the model's bytes mean it.
std::wstring FromCodePage(const std::string& name) {
  std::wstring wide(name.size(), L'\0');
  wide.resize(MultiByteToWideChar(1252, 0, name.data(), static_cast<int>(name.size()), &wide[0],
                                  static_cast<int>(wide.size())));
  return wide;
}

void WriteKey(HKEY parent, const ModelKey& key) {
  RegKey handle;
  ASSERT_EQ(handle.Create(parent, FromCodePage(key.name).c_str(), KEY_ALL_ACCESS), ERROR_SUCCESS)
      << key.name;
  for (const ModelValue& value : key.values) {
    ASSERT_EQ(RegSetValueExA(handle.get(), value.name.c_str(), 0, value.type,
                             reinterpret_cast<const BYTE*>(value.bytes.data()),
                             static_cast<DWORD>(value.bytes.size())),
              ERROR_SUCCESS)
        << value.name;
  }
  for (const ModelKey& subkey : key.subkeys) WriteKey(handle.get(), subkey);
}

struct Search {
  const char* vendor;
  const char* pattern;
};
const Search kSearches[] = {
    {"tarnwell", ""}, {"adobe", "photoshop"}, {"corel", "paint"}, {"jasc", "paint"}, {"xara", "xarax"},
};

struct Root {
  HKEY root;
  const char* prefix;
};
const Root kRoots[] = {{HKEY_CURRENT_USER, ""}, {HKEY_LOCAL_MACHINE, ""}, {HKEY_USERS, ".default\\"}};

struct PlacedTree {
  int search;
  int root;
  ModelKey tree;  // its name is the vendor key's
};

// Each placed tree lives under root prefix + software\vendor; one tree per search and root.
Folders PredictDiscovery(const std::vector<PlacedTree>& trees) {
  Folders folders;
  for (int search = 0; search < 5; ++search) {
    for (int root = 0; root < 3; ++root) {
      for (const PlacedTree& placed : trees) {
        if (placed.search != search || placed.root != root) continue;
        std::string start = std::string(kRoots[root].prefix) + "software\\" + kSearches[search].vendor;
        ModelWalk(placed.tree, start, 0, kSearches[search].pattern, folders);
      }
    }
  }
  return folders;
}

// Removes every vendor key that the searches read, now and again at the end of the scope.
class ScopedVendorKeys {
 public:
  ScopedVendorKeys() { DeleteAll(); }
  ~ScopedVendorKeys() { DeleteAll(); }
  ScopedVendorKeys(const ScopedVendorKeys&) = delete;
  ScopedVendorKeys& operator=(const ScopedVendorKeys&) = delete;

 private:
  static void DeleteAll() {
    for (const Search& search : kSearches) {
      for (const Root& root : kRoots) {
        RegDeleteTreeA(root.root, (std::string(root.prefix) + "software\\" + search.vendor).c_str());
      }
    }
  }
};

void MakeDataFolders() {
  for (int k = 0; k < kFolderCount; ++k) MakeFolders("D:\\F" + std::to_string(k));
}

const int kTreeRounds = 40;

TEST(HostileDiscovery, RandomVendorTreesFindWhatTheRulesPredict) {
  MakeDataFolders();
  int treeCount = 0;
  int keyCount = 0;
  size_t foldersFound = 0;
  for (int seed = 1; seed <= kTreeRounds; ++seed) {
    Random random(seed);
    ScopedVendorKeys cleanup;
    std::vector<PlacedTree> trees;
    int placements = Pick(random, 1, 3);
    for (int i = 0; i < placements; ++i) {
      PlacedTree placed;
      placed.search = Pick(random, 0, 4);
      placed.root = Pick(random, 0, 2);
      bool taken = false;
      for (const PlacedTree& other : trees) taken |= other.search == placed.search && other.root == placed.root;
      if (taken) continue;
      placed.tree.name = std::string(kRoots[placed.root].prefix) + "software\\" +
                         kSearches[placed.search].vendor;
      int budget = Pick(random, 10, 80);
      keyCount += budget;
      FillKey(random, placed.tree, 0, budget, kSearches[placed.search].pattern, Chance(random, 25));
      keyCount -= budget;
      WriteKey(kRoots[placed.root].root, placed.tree);
      trees.push_back(placed);
    }
    treeCount += static_cast<int>(trees.size());
    ClearCandidateFolders();
    RunDiscovery();
    Folders expected = PredictDiscovery(trees);
    EXPECT_EQ(CandidateFolders(), expected) << "seed " << seed;
    foldersFound += expected.size();
    if (HasFailure()) break;
  }
  printf("random vendor trees: %d (%d keys) in %d rounds, %u folders found\n", treeCount, keyCount,
         kTreeRounds, static_cast<unsigned>(foldersFound));
}

// --- painter.set: the model scanner and the file generator. ---

// The path of the first record whose length byte matches, or "" when there is none.
std::string PredictRecordPath(const std::string& file) {
  const size_t size = file.size();
  auto byte = [&](size_t at) { return static_cast<unsigned char>(file[at]); };
  for (size_t start = 0; start + 5 <= size; ++start) {
    if (byte(start) != 0x80 || !IsCharAlphaA(file[start + 2]) || byte(start + 3) != ':' ||
        byte(start + 4) != '\\') {
      continue;
    }
    size_t textStart = start + 2;
    size_t end = textStart + 3;  // looking for the NUL
    while (end < size && byte(end) != 0 && end - textStart < 250) ++end;
    if (end - textStart == 250) {
      start = textStart + 248;  // abandoned: the 250th character may open the next record
      continue;
    }
    if (end == size) return "";  // the file ends inside the record
    if (end - textStart == byte(start + 1)) return file.substr(textStart, end - textStart);
    start = end;  // the scan goes on after the NUL
  }
  return "";
}

std::string RandomFiller(Random& random, int length) {
  std::string filler;
  for (int i = 0; i < length; ++i) {
    int byte = Pick(random, 0, 255);
    filler += static_cast<char>(byte == ':' ? 0x80 : byte);
  }
  return filler;
}

std::string RandomRecordPath(Random& random) {
  std::string folder = "D:\\F" + std::to_string(Pick(random, 0, kFolderCount - 1));
  switch (Pick(random, 0, 4)) {
    case 0:
      return folder;
    case 1:
      return folder + "\\Sub" + RandomText(random, Pick(random, 0, 10));
    case 2:
      return "Q:\\Nowhere";
    case 3:
      return folder + "\\" + std::string(Pick(random, 240, 250) - folder.size() - 1, 'a');
    default:
      return folder + "\\" + RandomText(random, Pick(random, 0, 30)) + "\x80\x05" + "D:\\F1";
  }
}

std::string RandomSettingsFile(Random& random) {
  std::string file;
  int pieces = Pick(random, 0, 8);
  for (int i = 0; i < pieces; ++i) {
    std::string path = RandomRecordPath(random);
    switch (Pick(random, 0, 5)) {
      case 0:
        file += RandomFiller(random, Pick(random, 0, 60));
        break;
      case 1:
        file += std::string(Pick(random, 1, 20), '\x80');
        break;
      case 2:
        file += std::string(1, '\x80') + static_cast<char>(path.size()) + path + '\0';
        break;
      case 3:
        file += std::string(1, '\x80') + static_cast<char>(path.size() + Pick(random, 1, 3)) + path + '\0';
        break;
      case 4:  // a record that the file cuts off
        file += std::string(1, '\x80') + static_cast<char>(path.size()) +
                path.substr(0, Pick(random, 3, static_cast<int>(path.size())));
        i = pieces;
        break;
      default:  // a text that runs past 249 characters before its NUL
        file += std::string(1, '\x80') + '\x05' + "D:\\" + RandomText(random, Pick(random, 240, 260));
        break;
    }
  }
  return file;
}

const int kSettingsFiles = 400;

TEST(HostileDiscovery, RandomPainterSettingsFilesFindWhatTheRulesPredict) {
  MakeDataFolders();
  int filesWithFolder = 0;
  for (int seed = 1; seed <= kSettingsFiles; ++seed) {
    Random random(1000 + seed);
    std::string file = RandomSettingsFile(random);
    WriteFileBytes("D:\\painter.set", file);
    ClearCandidateFolders();
    ScanPainterSettings(L"D:\\painter.set");
    Folders expected;
    AddExpected(expected, ExpectedFolder(PredictRecordPath(file)));
    EXPECT_EQ(CandidateFolders(), expected) << "seed " << 1000 + seed;
    filesWithFolder += static_cast<int>(expected.size());
    if (HasFailure()) break;
  }
  printf("random painter.set files: %d, %d of them with a folder\n", kSettingsFiles, filesWithFolder);
}

}  // namespace
