// In a 64-bit Windows prefix, where this test and the installer run under WoW64: editors found in
// either view of HKEY_LOCAL_MACHINE, 64-bit first, and preset values written to both views.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/installer_process.h"
#include "tests/support/platform_fixtures.h"
#include "unattended/install_log.h"

namespace {

const REGSAM k64 = KEY_WOW64_64KEY;
const REGSAM k32 = KEY_WOW64_32KEY;
// Every log starts with UTF-8's byte-order mark.
const std::string kUtf8Mark = "\xEF\xBB\xBF";
const char kAppPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\fireworks.exe";

// Every key that the cases write, in every root and view.
void RemoveTestKeys() {
  DeleteRegTree(HKEY_LOCAL_MACHINE, "Software\\Tarnwell");
  DeleteRegTree(HKEY_LOCAL_MACHINE, kAppPath);
  DeleteRegTree(HKEY_USERS, ".default\\Software\\Tarnwell");
  DeleteRegTree(HKEY_CURRENT_USER, "Software\\Tarnwell");
}

class Wow64 : public ::testing::Test {
 protected:
  void SetUp() override { RemoveTestKeys(); }
  void TearDown() override { RemoveTestKeys(); }
};

// The real installer with /S: each view's editors in the same HKLM step, the 64-bit view first,
// a folder in both views once, and the first folder installed into.
TEST_F(Wow64, EditorsInEitherViewAreListedThe64BitOneFirstAndInstalledInto) {
  struct Entry {
    HKEY root;
    REGSAM view;
    std::string subkey;
    const char* name;
    const char* data;
  };
  struct Case {
    std::vector<Entry> entries;
    std::string log;  // the log's lines from the first, each CR LF
  } cases[] = {
      {{{HKEY_LOCAL_MACHINE, k64, "Software\\Tarnwell\\Studio", "PluginFolder", "E:\\Sixty"}},
       kUtf8Mark +
       "Found folder: E:\\Sixty\\ from HKLM (64-bit)\r\n"
       "Install folder: E:\\Sixty\\Tarnwell\\\r\n"
       "Wrote file: E:\\Sixty\\Tarnwell\\Glimmerion.8bf (245760 bytes)\r\n"},
      // Key names whose order is the other way round: the views, not the names, set the order.
      {{{HKEY_LOCAL_MACHINE, k32, "Software\\Tarnwell\\Alpha", "PluginFolder", "E:\\Thirty"},
        {HKEY_LOCAL_MACHINE, k32, "Software\\Tarnwell\\Alpha", "Directory1", "E:\\Sixty"},
        {HKEY_LOCAL_MACHINE, k64, "Software\\Tarnwell\\Zeta", "PluginFolder", "E:\\Sixty"},
        {HKEY_USERS, 0, ".default\\Software\\Tarnwell\\Users", "PluginFolder", "E:\\Users"},
        {HKEY_LOCAL_MACHINE, k64, kAppPath, "", "E:\\Fw64\\fireworks.exe"}},
       kUtf8Mark +
       "Found folder: E:\\Sixty\\ from HKLM (64-bit)\r\n"
       "Found folder: E:\\Thirty\\ from HKLM (32-bit)\r\n"
       "Found folder: E:\\Users\\\r\n"
       // Wine links App Paths into both views: the 32-bit view's read finds it a second time.
       "Found folder: E:\\Fw64\\Plug-Ins\\ from HKLM (64-bit)\r\n"
       "Install folder: E:\\Sixty\\Tarnwell\\\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.log);
    RemoveTestKeys();
    for (const char* folder : {"E:\\Sixty", "E:\\Thirty", "E:\\Users", "E:\\Fw64\\Plug-Ins"}) {
      MakeFolders(folder);
    }
    for (const Entry& e : c.entries) SetRegString(e.root, e.subkey, e.name, e.data, e.view);
    InstallerProcess installer;
    ASSERT_TRUE(installer.Start(INSTALLER_PATH, nullptr, "/S /LOG=D:\\setup.log"));
    DWORD exitCode = 99;
    EXPECT_TRUE(installer.WaitForExitUnseen(&exitCode) && exitCode == 0);
    std::string log = ReadFileBytes("D:\\setup.log");
    EXPECT_EQ(log.substr(0, c.log.size()), c.log);
    EXPECT_EQ(ReadFileBytes("E:\\Sixty\\Tarnwell\\Glimmerion.8bf").size(), 245760u);
    DeleteFileA("E:\\Sixty\\Tarnwell\\Glimmerion.8bf");
    RemoveDirectoryA("E:\\Sixty\\Tarnwell");
  }
}

// This test's payload holds two preset values: each goes to HKCU and both machine views, and a
// view that refuses it is left out of the roots that the log names.
TEST_F(Wow64, PresetValuesGoToBothViewsAndTheLogNamesEachView) {
  const char kKey[] = "Software\\Tarnwell\\Tessarine";
  struct Case {
    REGSAM refusing;  // a view whose Software\Tarnwell is volatile; 0: none
    const char* roots;
  } cases[] = {
      {0, "HKCU+HKLM (64-bit)+HKLM (32-bit)"},
      {k32, "HKCU+HKLM (64-bit)"},
      {k64, "HKCU+HKLM (32-bit)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.roots);
    RemoveTestKeys();
    if (c.refusing) MakeVolatileKey(HKEY_LOCAL_MACHINE, "Software\\Tarnwell", c.refusing);
    MakeFolders("D:\\Plug-Ins");
    InstallLog log(L"D:\\setup.log");
    PayloadJob job = {};
    job.installPath = L"D:\\Plug-Ins\\";
    job.observer = &log;
    InstallPayload(GetModuleHandleA(nullptr), &job);
    EXPECT_EQ(log.Close(kExitInstalled), kExitInstalled);
    std::string value = "Wrote preset value: " + std::string(c.roots) + "\\" + kKey;
    EXPECT_EQ(ReadFileBytes("D:\\setup.log"),
              kUtf8Mark + "Wrote file: D:\\Plug-Ins\\Glimmerion.8bf (9 bytes)\r\n" + value +
                  "\\Bouquet01 (128 bytes)\r\n" + value + "\\Bouquet02 (128 bytes)\r\n" +
                  "Exit code: 0\r\n");
    std::string slice;
    for (int i = 0; i < 8; ++i) slice += "0123456789abcdef";
    for (REGSAM view : {k64, k32}) {
      EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, kKey, "Bouquet01", nullptr, nullptr, view),
                view == c.refusing ? "" : slice);
    }
  }
}

}  // namespace
