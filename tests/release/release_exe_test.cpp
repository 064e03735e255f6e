// The installer as released: its version record, its header checksum, and the signed exe run end
// to end.
#include <gtest/gtest.h>
#include <windows.h>
#include <imagehlp.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "tests/driver/installer_process.h"
#include "tests/support/platform_fixtures.h"

namespace {

std::string VersionText(const std::string& record, const char* name) {
  void* text = nullptr;
  UINT length = 0;
  std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
  if (!VerQueryValueA(record.data(), path.c_str(), &text, &length)) return "";
  return static_cast<const char*>(text);
}

TEST(VersionRecord, CarriesTheProjectVersion) {
  DWORD size = GetFileVersionInfoSizeA(INSTALLER_PATH, nullptr);
  ASSERT_NE(size, 0u);
  std::string record(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoA(INSTALLER_PATH, 0, size, &record[0]));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  unsigned parts[4] = {};  // a version with fewer parts counts the missing ones as 0
  ASSERT_GE(sscanf(VERSION_TEXT, "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]), 1);
  const DWORD high = MAKELONG(parts[1], parts[0]);
  const DWORD low = MAKELONG(parts[3], parts[2]);
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, low);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionLS, low);
  EXPECT_EQ(VersionText(record, "FileVersion"), VERSION_TEXT);
  EXPECT_EQ(VersionText(record, "ProductVersion"), VERSION_TEXT);
}

struct ReleasedExe {
  const char* name;
  const char* path;
};

void PrintTo(const ReleasedExe& exe, std::ostream* out) { *out << exe.name; }

// ld writes the checksum at link time and osslsigncode again after signing; the system's own
// computation must agree with both.
class HeaderChecksum : public ::testing::TestWithParam<ReleasedExe> {};

TEST_P(HeaderChecksum, IsTheImageChecksum) {
  DWORD header = 0;
  DWORD computed = 0;
  ASSERT_EQ(MapFileAndCheckSumA(GetParam().path, &header, &computed), DWORD(CHECKSUM_SUCCESS));
  EXPECT_NE(header, 0u);
  EXPECT_EQ(header, computed);
}

INSTANTIATE_TEST_SUITE_P(Exes, HeaderChecksum,
                         ::testing::Values(ReleasedExe{"Unsigned", INSTALLER_PATH},
                                           ReleasedExe{"Signed", SIGNED_INSTALLER_PATH}),
                         [](const ::testing::TestParamInfo<ReleasedExe>& info) {
                           return std::string(info.param.name);
                         });

std::string EmbeddedPayload(const char* exe) {
  HMODULE module = LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return "";
  std::string bytes;
  if (HRSRC resource = FindResourceA(module, "GLIMMERION.8BF", MAKEINTRESOURCEA(3000))) {
    bytes.assign(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                 SizeofResource(module, resource));
  }
  FreeLibrary(module);
  return bytes;
}

TEST(SignedInstaller, InstallsThePayloadOfTheUnsignedExe) {
  const char* key = "Software\\Tarnwell\\SignedRun";
  ScopedRegTree tree(HKEY_CURRENT_USER, key);
  MakeFolders("E:\\Filters");
  SetRegString(HKEY_CURRENT_USER, key, "PluginFolder", "E:\\Filters");
  const std::string payload = EmbeddedPayload(INSTALLER_PATH);
  ASSERT_FALSE(payload.empty());

  InstallerProcess installer;
  ASSERT_TRUE(installer.Start(SIGNED_INSTALLER_PATH));
  HWND window = installer.WaitForWindow();
  ASSERT_NE(window, nullptr);
  PressKey(window, VK_RETURN);
  std::string written;
  for (int i = 0; i < 100 && written != payload; ++i) {
    Sleep(100);
    written = ReadFileBytes("E:\\Filters\\Tarnwell\\Glimmerion.8bf");
  }
  EXPECT_EQ(written.size(), payload.size());
  EXPECT_TRUE(written == payload);
}

}  // namespace
