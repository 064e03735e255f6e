// Registry reads and writes against Wine's real registry.
#include "discovery/registry_access.h"

#include <gtest/gtest.h>

#include "discovery/registry_views.h"

#include <string>

#include "tests/discovery/discovery_test_support.h"
#include "tests/support/platform_fixtures.h"
#include "win32/handle_guards.h"

namespace {

const char kKey[] = "Software\\GlimmerionTest";

class RegistryAccess : public ::testing::Test {
 protected:
  ScopedRegTree user_{HKEY_CURRENT_USER, kKey};
  ScopedRegTree machine_{HKEY_LOCAL_MACHINE, kKey};
};

TEST_F(RegistryAccess, ReadRegStringReadsStringsAndRejectsEverythingElse) {
  SetRegString(HKEY_CURRENT_USER, kKey, "", "D:\\Ed\\ed.exe");
  SetRegString(HKEY_CURRENT_USER, kKey, "fits", std::string(255, 'a'));
  SetRegString(HKEY_CURRENT_USER, kKey, "long", std::string(256, 'a'));
  SetRegValue(HKEY_CURRENT_USER, kKey, "unterminated", REG_SZ, std::string(256, 'b'));
  SetRegValue(HKEY_CURRENT_USER, kKey, "short unterminated", REG_SZ, "D:\\X");
  SetRegValue(HKEY_CURRENT_USER, kKey, "expand", REG_EXPAND_SZ, std::string("%ProgramFiles%\\x", 17));
  SetRegValue(HKEY_CURRENT_USER, kKey, "dword", REG_DWORD, Dword(7));
  struct Case {
    const char* name;
    LONG result;
    std::string text;
    const char* subkey = kKey;
  } cases[] = {
      {"", ERROR_SUCCESS, "D:\\Ed\\ed.exe"},
      {"fits", ERROR_SUCCESS, std::string(255, 'a')},
      {"long", ERROR_MORE_DATA, ""},
      {"unterminated", ERROR_MORE_DATA, ""},
      {"short unterminated", ERROR_SUCCESS, "D:\\X"},
      {"expand", ERROR_SUCCESS, ""},
      {"dword", ERROR_SUCCESS, ""},
      {"missing", ERROR_FILE_NOT_FOUND, ""},
      {"", ERROR_FILE_NOT_FOUND, "", "Software\\GlimmerionTest\\None"},
  };
  for (const Case& c : cases) {
    char buffer[kRegTextSize + 1];
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, c.subkey, c.name, buffer), c.result) << c.name;
    if (c.result == ERROR_SUCCESS) {
      EXPECT_EQ(std::string(buffer), c.text) << c.name;
    }
    EXPECT_EQ(buffer[kRegTextSize], '#') << c.name;
  }
}

TEST_F(RegistryAccess, EnumRegStringValueStopsAtAValueThatDoesNotFit) {
  // Names sort in creation order, so Wine and Windows enumerate them alike.
  SetRegString(HKEY_CURRENT_USER, kKey, "a first", "D:\\One");
  SetRegValue(HKEY_CURRENT_USER, kKey, "b blob", REG_BINARY, std::string(300, 'x'));
  SetRegString(HKEY_CURRENT_USER, kKey, "c second", "D:\\Two");
  std::string other = std::string(kKey) + "\\Other";
  SetRegString(HKEY_CURRENT_USER, other, "a other", "D:\\Three");

  char name[kRegTextSize], data[kRegTextSize];
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, "a first");
  EXPECT_STREQ(data, "D:\\One");
  EXPECT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kKey, name, data), ERROR_MORE_DATA);
  // The cursor went back to 0: the next key starts with its first value.
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, other.c_str(), name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, "a other");
  EXPECT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, other.c_str(), name, data), ERROR_NO_MORE_ITEMS);
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, "a first");
}

TEST_F(RegistryAccess, EnumRegStringValueGivesNonStringsEmptyDataAndEndsAtAMissingKey) {
  SetRegValue(HKEY_CURRENT_USER, kKey, "a dword", REG_DWORD, Dword(42));
  SetRegValue(HKEY_CURRENT_USER, kKey, "b unterminated", REG_SZ, std::string(256, 'u'));
  char name[kRegTextSize], data[kRegTextSize + 1] = "stale";
  data[kRegTextSize] = '#';
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, "a dword");
  EXPECT_STREQ(data, "");
  EXPECT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kKey, name, data), ERROR_MORE_DATA);
  EXPECT_STREQ(data, "");
  EXPECT_EQ(data[kRegTextSize], '#') << "nothing written past the data field";
  EXPECT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, "Software\\GlimmerionTest\\None", name, data),
            ERROR_FILE_NOT_FOUND);
}

// A walk holds its keys open; its enumerations must keep the one process-wide value cursor.
TEST_F(RegistryAccess, EnumerationsOfAnOpenKeyShareTheValueCursor) {
  SetRegString(HKEY_CURRENT_USER, kKey, "a first", "D:\\One");
  SetRegString(HKEY_CURRENT_USER, kKey, "b second", "D:\\Two");
  MakeRegKey(HKEY_CURRENT_USER, std::string(kKey) + "\\Sub");
  RegKey key;
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kKey, KEY_READ), ERROR_SUCCESS);
  char name[kRegTextSize], data[kRegTextSize];
  ASSERT_EQ(EnumOpenRegStringValue(key.get(), name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, "a first");
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, "b second");
  EXPECT_EQ(EnumOpenRegStringValue(key.get(), name, data), ERROR_NO_MORE_ITEMS);
  ASSERT_EQ(EnumOpenRegStringValue(key.get(), name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, "a first");
  ResetRegValueCursor();
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, "a first");

  ASSERT_EQ(EnumOpenRegSubkey(key.get(), name, 0), ERROR_SUCCESS);
  EXPECT_STREQ(name, "Sub");
  EXPECT_EQ(EnumOpenRegSubkey(key.get(), name, 1), ERROR_NO_MORE_ITEMS);
  EXPECT_STREQ(name, "");
}

TEST_F(RegistryAccess, EnumRegSubkeyListsSubkeysByIndex) {
  std::string key(kKey);
  MakeRegKey(HKEY_CURRENT_USER, key + "\\Alpha");
  MakeRegKey(HKEY_CURRENT_USER, key + "\\beta");
  MakeRegKey(HKEY_CURRENT_USER, key + "\\" + std::string(200, 'L'));
  char name[kRegTextSize];
  ASSERT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, kKey, name, 0), ERROR_SUCCESS);
  EXPECT_STREQ(name, "Alpha");
  ASSERT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, kKey, name, 1), ERROR_SUCCESS);
  EXPECT_STREQ(name, "beta");
  ASSERT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, kKey, name, 2), ERROR_SUCCESS);
  EXPECT_EQ(std::string(name), std::string(200, 'L'));
  EXPECT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, kKey, name, 3), ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, "Software\\GlimmerionTest\\None", name, 0),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryAccess, WriteRegValueBothHivesWritesUserThenMachine) {
  const char blob[] = {1, 2, 3, 0, 5};
  EXPECT_EQ(WriteRegValueBothHives("Portrait01", kKey, blob, sizeof blob, false), ERROR_SUCCESS);
  EXPECT_EQ(WriteRegValueBothHives("Name", kKey, "text", 5, true), ERROR_SUCCESS);
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    DWORD type = 0;
    EXPECT_EQ(GetRegValue(root, kKey, "Portrait01", nullptr, &type), std::string(blob, sizeof blob));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(GetRegValue(root, kKey, "Name", nullptr, &type), std::string("text", 5));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  }
}

// A volatile key cannot hold the non-volatile subkey that the write creates: that root fails.
TEST_F(RegistryAccess, WriteRegValueBothHivesWritesTheOtherRootWhenOneFails) {
  const char sub[] = "Software\\GlimmerionTest\\Presets";
  MakeVolatileKey(HKEY_CURRENT_USER, kKey);
  EXPECT_EQ(WriteRegValueBothHives("v", sub, "x", 2, true), ERROR_SUCCESS);
  bool found = true;
  GetRegValue(HKEY_CURRENT_USER, sub, "v", &found);
  EXPECT_FALSE(found);
  EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, sub, "v", &found), std::string("x", 2));
  EXPECT_TRUE(found);

  MakeVolatileKey(HKEY_LOCAL_MACHINE, "Software\\GlimmerionTest\\Volatile");
  EXPECT_EQ(WriteRegValueBothHives("v", "Software\\GlimmerionTest\\Volatile\\Sub", "x", 2, true),
            ERROR_CHILD_MUST_BE_VOLATILE);
}

// On 32-bit Windows (the build's own prefix) the machine has one view, read without a flag and
// so without being searched twice; a 64-bit process sees two.
TEST(RegistryViews, A32BitProcessOn32BitWindowsSeesOneViewOfTheMachine) {
  const RegistryViews machine = LocalMachineViews();
  if (sizeof(void*) == 8) {
    EXPECT_EQ(machine.count, 2);
    return;
  }
  ASSERT_EQ(machine.count, 1);
  EXPECT_EQ(machine.views[0].flag, 0u);
}

}  // namespace
