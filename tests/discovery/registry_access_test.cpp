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
const wchar_t kWideKey[] = L"Software\\GlimmerionTest";

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
    wchar_t buffer[kRegTextSize + 1];
    wmemset(buffer, L'#', kRegTextSize + 1);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, Wide(c.subkey).c_str(), Wide(c.name).c_str(), buffer), c.result) << c.name;
    if (c.result == ERROR_SUCCESS) {
      EXPECT_EQ(Utf8(buffer), c.text) << c.name;
    }
    EXPECT_EQ(buffer[kRegTextSize], L'#') << c.name;
  }
}

TEST_F(RegistryAccess, EnumRegStringValueStopsAtAValueThatDoesNotFit) {
  // Names sort in creation order, so Wine and Windows enumerate them alike.
  SetRegString(HKEY_CURRENT_USER, kKey, "a first", "D:\\One");
  SetRegValue(HKEY_CURRENT_USER, kKey, "b blob", REG_BINARY, std::string(300, 'x'));
  SetRegString(HKEY_CURRENT_USER, kKey, "c second", "D:\\Two");
  std::string other = std::string(kKey) + "\\Other";
  SetRegString(HKEY_CURRENT_USER, other, "a other", "D:\\Three");

  wchar_t name[kRegTextSize], data[kRegTextSize];
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kWideKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"a first");
  EXPECT_STREQ(data, L"D:\\One");
  EXPECT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kWideKey, name, data), ERROR_MORE_DATA);
  // The cursor went back to 0: the next key starts with its first value.
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, Wide(other).c_str(), name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"a other");
  EXPECT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, Wide(other).c_str(), name, data), ERROR_NO_MORE_ITEMS);
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kWideKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"a first");
}

TEST_F(RegistryAccess, EnumRegStringValueGivesNonStringsEmptyDataAndEndsAtAMissingKey) {
  SetRegValue(HKEY_CURRENT_USER, kKey, "a dword", REG_DWORD, Dword(42));
  SetRegValue(HKEY_CURRENT_USER, kKey, "b unterminated", REG_SZ, std::string(256, 'u'));
  wchar_t name[kRegTextSize], data[kRegTextSize + 1] = L"stale";
  data[kRegTextSize] = L'#';
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kWideKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"a dword");
  EXPECT_STREQ(data, L"");
  EXPECT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kWideKey, name, data), ERROR_MORE_DATA);
  EXPECT_STREQ(data, L"");
  EXPECT_EQ(data[kRegTextSize], L'#') << "nothing written past the data field";
  EXPECT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, L"Software\\GlimmerionTest\\None", name, data),
            ERROR_FILE_NOT_FOUND);
}

// A walk holds its keys open; its enumerations must keep the one process-wide value cursor.
TEST_F(RegistryAccess, EnumerationsOfAnOpenKeyShareTheValueCursor) {
  SetRegString(HKEY_CURRENT_USER, kKey, "a first", "D:\\One");
  SetRegString(HKEY_CURRENT_USER, kKey, "b second", "D:\\Two");
  MakeRegKey(HKEY_CURRENT_USER, std::string(kKey) + "\\Sub");
  RegKey key;
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kWideKey, KEY_READ), ERROR_SUCCESS);
  wchar_t name[kRegTextSize], data[kRegTextSize];
  ASSERT_EQ(EnumOpenRegStringValue(key.get(), name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"a first");
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kWideKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"b second");
  EXPECT_EQ(EnumOpenRegStringValue(key.get(), name, data), ERROR_NO_MORE_ITEMS);
  ASSERT_EQ(EnumOpenRegStringValue(key.get(), name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"a first");
  ResetRegValueCursor();
  ASSERT_EQ(EnumRegStringValue(HKEY_CURRENT_USER, kWideKey, name, data), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"a first");

  ASSERT_EQ(EnumOpenRegSubkey(key.get(), name, 0), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"Sub");
  EXPECT_EQ(EnumOpenRegSubkey(key.get(), name, 1), ERROR_NO_MORE_ITEMS);
  EXPECT_STREQ(name, L"");
}

TEST_F(RegistryAccess, EnumRegSubkeyListsSubkeysByIndex) {
  std::string key(kKey);
  MakeRegKey(HKEY_CURRENT_USER, key + "\\Alpha");
  MakeRegKey(HKEY_CURRENT_USER, key + "\\beta");
  MakeRegKey(HKEY_CURRENT_USER, key + "\\" + std::string(200, 'L'));
  wchar_t name[kRegTextSize];
  ASSERT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, kWideKey, name, 0), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"Alpha");
  ASSERT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, kWideKey, name, 1), ERROR_SUCCESS);
  EXPECT_STREQ(name, L"beta");
  ASSERT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, kWideKey, name, 2), ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(name), std::wstring(200, L'L'));
  EXPECT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, kWideKey, name, 3), ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(EnumRegSubkey(HKEY_CURRENT_USER, L"Software\\GlimmerionTest\\None", name, 0),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryAccess, WriteRegValueBothHivesWritesUserThenMachine) {
  const char blob[] = {1, 2, 3, 0, 5};
  EXPECT_EQ(WriteRegValueBothHives(L"Portrait01", kWideKey, blob, sizeof blob, false),
            ERROR_SUCCESS);
  EXPECT_EQ(WriteRegValueBothHives(L"Name", kWideKey, L"text", 10, true), ERROR_SUCCESS);
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
  EXPECT_EQ(WriteRegValueBothHives(L"v", Wide(sub).c_str(), L"x", 4, true), ERROR_SUCCESS);
  bool found = true;
  GetRegValue(HKEY_CURRENT_USER, sub, "v", &found);
  EXPECT_FALSE(found);
  EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, sub, "v", &found), std::string("x", 2));
  EXPECT_TRUE(found);

  MakeVolatileKey(HKEY_LOCAL_MACHINE, "Software\\GlimmerionTest\\Volatile");
  EXPECT_EQ(WriteRegValueBothHives(L"v", L"Software\\GlimmerionTest\\Volatile\\Sub", L"x", 4,
                                   true),
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
