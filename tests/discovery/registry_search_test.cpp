// The Registry tree search against Wine's real registry and folders on D:.
#include "discovery/registry_search.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "tests/discovery/discovery_test_support.h"
#include "tests/support/platform_fixtures.h"
#include "win32/handle_guards.h"

namespace {

using Folders = std::vector<std::string>;

TEST(KeyPathStack, PushAppendsAndPopRestores) {
  KeyPathStack stack;
  wchar_t keyPath[kFolderTextSize] = L"software\\adobe";
  int index = 3;
  ASSERT_TRUE(Push(stack, keyPath, L"Photoshop", index));
  EXPECT_STREQ(keyPath, L"software\\adobe\\Photoshop");
  EXPECT_EQ(index, 0);
  index = 5;
  ASSERT_TRUE(Push(stack, keyPath, L"9.0", index));
  EXPECT_EQ(Pop(stack, keyPath), 5);
  EXPECT_STREQ(keyPath, L"software\\adobe\\Photoshop");
  EXPECT_EQ(Pop(stack, keyPath), 3);
  EXPECT_STREQ(keyPath, L"software\\adobe");
  EXPECT_EQ(Pop(stack, keyPath), -1);
  EXPECT_EQ(stack.top, -1);
  EXPECT_STREQ(keyPath, L"software\\adobe");
}

TEST(KeyPathStack, PushRefusesTheTwentiethLevelAndAnOverlongPath) {
  KeyPathStack stack;
  wchar_t keyPath[kFolderTextSize] = L"v";
  int index = 0;
  for (int level = 0; level < kKeyPathLevels; ++level) ASSERT_TRUE(Push(stack, keyPath, L"k", index));
  index = 7;
  EXPECT_FALSE(Push(stack, keyPath, L"k", index));
  EXPECT_EQ(index, 7);
  EXPECT_EQ(wcslen(keyPath), 1u + 2u * kKeyPathLevels);

  KeyPathStack fresh;
  std::wstring longPath(390, L'p');
  wchar_t path[kFolderTextSize];
  ASSERT_TRUE(CopyText(path, kFolderTextSize, longPath.c_str()));
  EXPECT_TRUE(Push(fresh, path, L"12345678", index));  // 399 characters still fit
  EXPECT_EQ(wcslen(path), 399u);
  EXPECT_EQ(Pop(fresh, path), 7);
  EXPECT_FALSE(Push(fresh, path, L"123456789", index));
  EXPECT_EQ(path, longPath);
  EXPECT_EQ(fresh.top, -1);
}

class RegistrySearch : public ::testing::Test {
 protected:
  void SetUp() override { ClearCandidateFolders(); }
  ScopedRegTree userTarnwell_{HKEY_CURRENT_USER, "software\\tarnwell"};
  ScopedRegTree userAdobe_{HKEY_CURRENT_USER, "software\\adobe"};
  ScopedRegTree userJasc_{HKEY_CURRENT_USER, "software\\jasc"};
  ScopedRegTree machineAdobe_{HKEY_LOCAL_MACHINE, "software\\adobe"};
  ScopedRegTree defaultAdobe_{HKEY_USERS, ".default\\software\\adobe"};
};

TEST_F(RegistrySearch, WalksTheAdobeExampleAndFindsBothPluginFolders) {
  MakeFolders("D:\\Viewer");
  MakeFolders("D:\\PS\\Plug-Ins\\Filters");
  SetRegString(HKEY_CURRENT_USER, "software\\adobe\\Viewer", "Folder", "D:\\Viewer");
  SetRegString(HKEY_CURRENT_USER, "software\\adobe\\Photoshop\\9.0", "PlugInFolder", "D:\\PS\\Plug-Ins");
  SetRegString(HKEY_CURRENT_USER, "software\\adobe\\Photoshop\\9.0", "Build", "9.0");
  SetRegString(HKEY_CURRENT_USER, "software\\adobe\\Photoshop\\9.0\\Plug-In Lists", "Last",
               "D:\\PS\\Plug-Ins\\Filters\\blur.8bf");
  SearchRegistryTree(L"software", L"adobe", L"photoshop");
  EXPECT_EQ(CandidateFolders(), (Folders{"D:\\Ps\\Plug-Ins\\", "D:\\Ps\\Plug-Ins\\Filters\\"}));
}

struct MatchCase {
  const char* label;
  const char* vendor;
  const char* pattern;
  const char* keyBelowVendor;
  const char* valueName;
  DWORD type;
  std::string data;  // raw bytes as stored
  const char* expected;  // the stored folder, or null
};

std::string Sz(const std::string& text) { return text + std::string(1, '\0'); }

TEST_F(RegistrySearch, MatchingRulesDecideWhichValuesBecomeCandidates) {
  MakeFolders("D:\\Editors\\Filters");
  MakeFolders("D:\\Editor\\Plug-Ins\\Tarnwell");
  const MatchCase cases[] = {
      {"pattern in key path", "jasc", "paint", "paint editor", "DIRECTORY2", REG_SZ,
       Sz("D:\\Editors\\Filters"), "D:\\Editors\\Filters\\"},
      {"pattern missing", "jasc", "paint", "viewer", "DIRECTORY2", REG_SZ,
       Sz("D:\\Editors\\Filters"), nullptr},
      {"plug in key path", "adobe", "photoshop", "Photoshop\\Plug-In Cache", "Where", REG_SZ,
       Sz("D:\\Editors\\Filters"), "D:\\Editors\\Filters\\"},
      {"plug in value name", "adobe", "photoshop", "Photoshop\\9", "PLUGDIR", REG_SZ,
       Sz("D:\\Editors\\Filters"), "D:\\Editors\\Filters\\"},
      {"directory1", "adobe", "photoshop", "Photoshop", "Directory1", REG_SZ,
       Sz("D:\\Editors\\Filters"), "D:\\Editors\\Filters\\"},
      {"directory3", "adobe", "photoshop", "Photoshop", "directory3", REG_SZ,
       Sz("D:\\Editors\\Filters"), "D:\\Editors\\Filters\\"},
      {"directory4", "adobe", "photoshop", "Photoshop", "Directory4", REG_SZ,
       Sz("D:\\Editors\\Filters"), nullptr},
      {"neither plug nor directory", "adobe", "photoshop", "Photoshop", "Folder", REG_SZ,
       Sz("D:\\Editors\\Filters"), nullptr},
      {"leading quote", "adobe", "photoshop", "Photoshop", "PlugIns", REG_SZ,
       Sz("\"D:\\Editors\\Filters\""), "D:\\Editors\\Filters\\"},
      {"leading spaces and digits", "adobe", "photoshop", "Photoshop", "PlugIns", REG_SZ,
       Sz("  12 D:\\Editors\\Filters"), "D:\\Editors\\Filters\\"},
      {"time of day", "adobe", "photoshop", "Photoshop", "PlugTime", REG_SZ, Sz("10:30"), nullptr},
      {"no colon", "adobe", "photoshop", "Photoshop", "PlugIns", REG_SZ, Sz("D\\Editors"), nullptr},
      {"expand string", "adobe", "photoshop", "Photoshop", "PlugIns", REG_EXPAND_SZ,
       Sz("D:\\Editors\\Filters"), nullptr},
      {"binary", "adobe", "photoshop", "Photoshop", "PlugIns", REG_BINARY,
       Sz("D:\\Editors\\Filters"), nullptr},
      {"dword", "adobe", "photoshop", "Photoshop", "PlugIns", REG_DWORD, Dword(0x5C3A44), nullptr},
      {"string without its NUL", "adobe", "photoshop", "Photoshop", "PlugIns", REG_SZ,
       "D:\\Editors\\Filters", "D:\\Editors\\Filters\\"},
      {"empty pattern, maker folder cut", "tarnwell", "", "Anything", "PlugInPath", REG_SZ,
       Sz("D:\\Editor\\Plug-Ins\\Tarnwell\\"), "D:\\Editor\\Plug-Ins\\"},
      {"empty pattern still needs plug", "tarnwell", "", "Anything", "Folder", REG_SZ,
       Sz("D:\\Editors\\Filters"), nullptr},
  };
  for (const MatchCase& c : cases) {
    ClearCandidateFolders();
    std::string vendorKey = std::string("software\\") + c.vendor;
    ScopedRegTree tree(HKEY_CURRENT_USER, vendorKey);
    SetRegValue(HKEY_CURRENT_USER, vendorKey + "\\" + c.keyBelowVendor, c.valueName, c.type, c.data);
    SearchRegistryTree(L"software", Wide(c.vendor).c_str(), Wide(c.pattern).c_str());
    EXPECT_EQ(CandidateFolders(), c.expected ? Folders{c.expected} : Folders{}) << c.label;
  }
}

TEST_F(RegistrySearch, RootsComeInUserMachineDefaultOrderAndValuesBeforeSubkeys) {
  for (const char* folder : {"D:\\A", "D:\\B", "D:\\C", "D:\\D", "D:\\E"}) MakeFolders(folder);
  SetRegString(HKEY_USERS, ".default\\software\\adobe\\photoshop", "plug", "D:\\A");
  SetRegString(HKEY_LOCAL_MACHINE, "software\\adobe\\photoshop", "plug", "D:\\B");
  SetRegString(HKEY_CURRENT_USER, "software\\adobe\\photoshop\\b", "plug", "D:\\C");
  SetRegString(HKEY_CURRENT_USER, "software\\adobe\\photoshop\\a", "plug", "D:\\D");
  SetRegString(HKEY_CURRENT_USER, "software\\adobe\\photoshop", "plug", "D:\\E");
  SearchRegistryTree(L"software", L"adobe", L"photoshop");
  EXPECT_EQ(CandidateFolders(),
            (Folders{"D:\\E\\", "D:\\D\\", "D:\\C\\", "D:\\B\\", "D:\\A\\"}));
}

TEST_F(RegistrySearch, MissingVendorKeyAddsNothing) {
  SearchRegistryTree(L"software", L"adobe", L"photoshop");
  EXPECT_TRUE(CandidateFolders().empty());
}

TEST_F(RegistrySearch, PassesOverKeysTwentyLevelsDownAndGoesOn) {
  std::string key = "software\\tarnwell";
  for (int level = 1; level <= 19; ++level) {
    key += "\\d" + std::to_string(level);
    MakeFolders("D:\\L" + std::to_string(level));
    SetRegString(HKEY_CURRENT_USER, key, "plug", "D:\\L" + std::to_string(level));
  }
  MakeFolders("D:\\Deep");
  MakeFolders("D:\\Sibling");
  SetRegString(HKEY_CURRENT_USER, key + "\\a", "plug", "D:\\Deep");
  SetRegString(HKEY_CURRENT_USER, key + "\\b\\c", "plug", "D:\\Deep");
  SetRegString(HKEY_CURRENT_USER, "software\\tarnwell\\z", "plug", "D:\\Sibling");
  SearchRegistryTree(L"software", L"tarnwell", L"");
  Folders expected;
  for (int level = 1; level <= 19; ++level) expected.push_back("D:\\L" + std::to_string(level) + "\\");
  expected.resize(kFolderTableSlots - 1);
  expected.push_back("D:\\Sibling\\");
  EXPECT_EQ(CandidateFolders(), expected);
}

// Wine's ANSI registry calls take paths of at most 260 characters, so the key below the 400-byte
// limit is created relative to its parent's handle.
void SetRegStringBelow(const std::string& parent, const std::string& child, const char* folder) {
  RegKey parentKey;
  ASSERT_EQ(parentKey.Create(HKEY_CURRENT_USER, Wide(parent).c_str(), KEY_ALL_ACCESS), ERROR_SUCCESS);
  RegKey childKey;
  ASSERT_EQ(childKey.Create(parentKey.get(), Wide(child).c_str(), KEY_ALL_ACCESS), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(childKey.get(), "plug", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder),
                           static_cast<DWORD>(strlen(folder) + 1)),
            ERROR_SUCCESS);
}

TEST_F(RegistrySearch, PassesOverSubtreesWhoseKeyPathWouldPassTheBuffer) {
  for (const char* folder : {"D:\\Fits", "D:\\Long", "D:\\After"}) MakeFolders(folder);
  // software\tarnwell (17) + \ + 200 + \ + 200 = 419 characters: too long for the key path.
  std::string first = "software\\tarnwell\\" + std::string(200, 'f');
  SetRegString(HKEY_CURRENT_USER, first, "plug", "D:\\Fits");
  SetRegStringBelow(first, std::string(200, 'g'), "D:\\Long");
  SetRegStringBelow(first, std::string(200, 'g') + "\\x", "D:\\Long");
  SetRegStringBelow(first, std::string(30, 'h'), "D:\\After");
  SearchRegistryTree(L"software", L"tarnwell", L"");
  EXPECT_EQ(CandidateFolders(), (Folders{"D:\\Fits\\", "D:\\After\\"}));
}

TEST_F(RegistrySearch, AnOverlongValueEndsItsKeyButNotItsSubkeys) {
  for (const char* folder : {"D:\\A", "D:\\B", "D:\\C"}) MakeFolders(folder);
  const char kKey[] = "software\\tarnwell\\k";
  SetRegString(HKEY_CURRENT_USER, kKey, "a plug", "D:\\A");
  SetRegValue(HKEY_CURRENT_USER, kKey, "b", REG_BINARY, std::string(300, 'x'));
  SetRegString(HKEY_CURRENT_USER, kKey, "c plug", "D:\\B");
  SetRegString(HKEY_CURRENT_USER, std::string(kKey) + "\\sub", "plug", "D:\\C");
  SearchRegistryTree(L"software", L"tarnwell", L"");
  EXPECT_EQ(CandidateFolders(), (Folders{"D:\\A\\", "D:\\C\\"}));
}

}  // namespace
