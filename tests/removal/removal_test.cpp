// The built installer's removal: what /S installs is recorded, and /uninstall /S takes away
// exactly that, and no more; a newer installed version is not replaced silently.
#include <gtest/gtest.h>
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <functional>
#include <string>

#include "tests/driver/installer_process.h"
#include "tests/driver/message_box_driver.h"
#include "tests/support/platform_fixtures.h"

namespace {

const char kRecord[] = "Software\\Tarnwell\\Glimmerion Setup";
const char kEntry[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Glimmerion";
const char kPresetKey[] = "Software\\Tarnwell\\RemovalTest";
const char kLog[] = "D:\\removal.log";
const REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

std::string ProgramFiles() {
  char path[MAX_PATH] = "";
  ExpandEnvironmentStringsA("%ProgramFiles%", path, MAX_PATH);
  return path;
}
const std::string kCopy = ProgramFiles() + "\\Tarnwell\\Glimmerion\\glimmerion-uninstall.exe";

DWORD RunInstaller(const std::string& program, const char* arguments) {
  InstallerProcess installer;
  EXPECT_TRUE(installer.Start(program.c_str(), nullptr, arguments));
  DWORD exitCode = 99;
  EXPECT_TRUE(installer.WaitForExitUnseen(&exitCode)) << arguments;
  return exitCode;
}

std::string Log() { return ReadFileBytes(kLog); }

// Every test starts with no installation recorded.
class Removal : public ::testing::Test {
 protected:
  ScopedRegTree record_{HKEY_LOCAL_MACHINE, kRecord};
  ScopedRegTree entry_{HKEY_LOCAL_MACHINE, kEntry};
  ScopedRegTree userPresets_{HKEY_CURRENT_USER, kPresetKey};
};

// A preset value as the installer writes it: in HKCU and in both HKLM views, named in the record.
void WritePreset(const char* name) {
  SetRegValue(HKEY_CURRENT_USER, kPresetKey, name, REG_BINARY, "preset");
  for (REGSAM view : kViews) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPresetKey, 0, nullptr, 0, KEY_ALL_ACCESS | view,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>("preset"), 6);
    RegCloseKey(key);
  }
  SetRegValue(HKEY_LOCAL_MACHINE, std::string(kRecord) + "\\Presets",
              std::string(kPresetKey) + "\\" + name, REG_DWORD, std::string(4, '\1'));
}

bool PresetKeyLeft() {
  bool left = GetRegValue(HKEY_CURRENT_USER, kPresetKey, "Portrait01").size() != 0;
  for (REGSAM view : kViews) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPresetKey, 0, KEY_READ | view, &key) == ERROR_SUCCESS) {
      left = true;
      RegCloseKey(key);
    }
  }
  return left;
}

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";

TEST_F(Removal, TwoFoldersThePresetsTheRecordTheEntryAndTheCopyAreRemoved) {
  // Deletions that an earlier run left for a restart that never comes here.
  RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations");
  MakeFolders("E:\\Two");
  ASSERT_EQ(RunInstaller(INSTALLER_PATH, "/S /D=E:\\One\\Tarnwell"), 0u);
  ASSERT_EQ(RunInstaller(INSTALLER_PATH, "/S /D=E:\\Two"), 0u);
  WritePreset("Portrait01");
  WriteFileBytes("E:\\Two\\mine.txt", "the user's own");
  EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, kEntry, "DisplayVersion"), std::string("1.0.0", 6));
  EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, kEntry, "QuietUninstallString"),
            std::string("\"" + kCopy + "\" /uninstall /S").append(1, '\0'));
  EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, kEntry, "InstallLocation"),
            std::string("E:\\Two\\", 8));

  EXPECT_EQ(RunInstaller(kCopy, "/uninstall /S /LOG=D:\\removal.log"), 0u) << Log();
  EXPECT_FALSE(FileExists("E:\\One\\Tarnwell") || FileExists("E:\\Two\\Glimmerion.8bf"));
  // Only the last level of a /D= folder counts as the installer's; a folder it found is kept.
  EXPECT_TRUE(FileExists("E:\\One") && FileExists("E:\\Two\\mine.txt"));
  EXPECT_FALSE(PresetKeyLeft());
  bool found = true;
  GetRegValue(HKEY_LOCAL_MACHINE, kRecord, "Version", &found);
  EXPECT_FALSE(found);
  GetRegValue(HKEY_LOCAL_MACHINE, kEntry, "DisplayName", &found);
  EXPECT_FALSE(found);
  // The running copy cannot be deleted: it is renamed beside itself and deleted at the restart.
  EXPECT_FALSE(FileExists(kCopy));
  std::string pending =
      GetRegValue(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations");
  EXPECT_NE(pending.find("\\Tarnwell\\Glimmerion\\~gl"), std::string::npos);
  EXPECT_NE(Log().find("Removed file: E:\\One\\Tarnwell\\Glimmerion.8bf\r\n"), std::string::npos);
}

// The DACL of an object, as SDDL text.
std::string DaclOf(const char* name, SE_OBJECT_TYPE type) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  char* text = nullptr;
  std::string dacl;
  if (GetNamedSecurityInfoA(name, type, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                            nullptr, &descriptor) == ERROR_SUCCESS &&
      ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1,
                                                           DACL_SECURITY_INFORMATION, &text,
                                                           nullptr)) {
    dacl = text;
  }
  LocalFree(text);
  LocalFree(descriptor);
  return dacl;
}

// What an elevated removal acts on only administrators can write, even where the key stood before
// with looser rights. (Wine derives a folder's DACL from its Unix mode, so the uninstaller's
// folder cannot be checked here; Wine also leaves out the protected flag.)
TEST_F(Removal, OnlyAdministratorsCanWriteTheRecord) {
  MakeRegKey(HKEY_LOCAL_MACHINE, kRecord);
  SetNamedSecurityInfoA(const_cast<char*>("MACHINE\\Software\\Tarnwell\\Glimmerion Setup"),
                        SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                        nullptr);
  ASSERT_EQ(RunInstaller(INSTALLER_PATH, "/S /D=E:\\Plug-Ins"), 0u);
  std::string dacl = DaclOf("MACHINE\\Software\\Tarnwell\\Glimmerion Setup", SE_REGISTRY_KEY);
  EXPECT_TRUE(dacl == "D:P(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;CI;KR;;;BU)" ||
              dacl == "D:(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;CI;KR;;;BU)")
      << dacl;
}

// Whatever is no longer what the installer wrote stays, and the log names it.
TEST_F(Removal, WhatIsNotTheInstallersStaysAndIsNamed) {
  struct Case {
    const char* name;
    std::function<void()> change;
    DWORD exitCode;
    std::string logLine;
    std::string kept;
  } cases[] = {
      {"changed plug-in", [] { WriteFileBytes("E:\\Mine\\Glimmerion.8bf", "changed"); }, 2,
       "Kept file, changed since it was installed: E:\\Mine\\Glimmerion.8bf\r\n",
       "E:\\Mine\\Glimmerion.8bf"},
      {"user's file", [] { WriteFileBytes("E:\\Mine\\notes.txt", "mine"); }, 0,
       "Kept folder, which holds other files: E:\\Mine\\\r\n", "E:\\Mine\\notes.txt"},
      {"link in the folder's place",
       [] {
         MakeFolders("E:\\Real");
         MoveFileA("E:\\Mine\\Glimmerion.8bf", "E:\\Real\\Glimmerion.8bf");
         RemoveDirectoryA("E:\\Mine");
         MakeLink("E:\\Mine", "E:\\Real");
       },
       2, "Refused link: E:\\Mine\\\r\n", "E:\\Real\\Glimmerion.8bf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(RunInstaller(INSTALLER_PATH, "/S /D=E:\\Mine"), 0u);
    c.change();
    EXPECT_EQ(RunInstaller(INSTALLER_PATH, "/uninstall /S /LOG=D:\\removal.log"), c.exitCode);
    EXPECT_NE(Log().find(c.logLine), std::string::npos) << Log();
    EXPECT_TRUE(FileExists(c.kept));
    // Nothing of it is left for a next removal to refuse again.
    EXPECT_FALSE(FileExists(kCopy));
    DeleteFileA("E:\\Mine\\Glimmerion.8bf");
    DeleteFileA("E:\\Mine\\notes.txt");
    RemoveDirectoryA("E:\\Mine");
  }
}

TEST_F(Removal, WithoutSlashSTheUserIsAskedFirstAndToldTheOutcome) {
  ASSERT_EQ(RunInstaller(INSTALLER_PATH, "/S /D=E:\\Asked"), 0u);
  for (int answer : {IDNO, IDYES}) {
    InstallerProcess installer;
    ASSERT_TRUE(installer.Start(INSTALLER_PATH, nullptr, "/uninstall"));
    HWND box = WaitForMessageBox(installer.id(), "Glimmerion Setup", 5000);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(AnswerMessageBox(box, answer).text.find("Remove the Glimmerion plug-in"),
              std::string::npos);
    if (answer == IDYES) {
      Sleep(500);
      box = WaitForMessageBox(installer.id(), "Glimmerion Setup", 5000);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(AnswerMessageBox(box).text, "Glimmerion was removed.");
    }
    DWORD exitCode = 99;
    EXPECT_TRUE(installer.WaitForExit(&exitCode) && exitCode == 0);
    EXPECT_EQ(FileExists("E:\\Asked\\Glimmerion.8bf"), answer == IDNO);
  }
}

TEST_F(Removal, ANewerVersionIsReplacedOnlyWithAllowDowngrade) {
  struct Case {
    const char* recorded;
    const char* arguments;
    DWORD exitCode;
  } cases[] = {
      {"1.0.10", "/S /LOG=D:\\removal.log /D=E:\\V", 5},
      {"1.0.10", "/S /ALLOWDOWNGRADE /LOG=D:\\removal.log /D=E:\\V", 0},
      {"1.0.0", "/S /LOG=D:\\removal.log /D=E:\\V", 0},
      {"0.9", "/S /LOG=D:\\removal.log /D=E:\\V", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    SetRegString(HKEY_LOCAL_MACHINE, kRecord, "Version", c.recorded);
    EXPECT_EQ(RunInstaller(INSTALLER_PATH, c.arguments), c.exitCode);
    bool refused = c.exitCode == 5;
    EXPECT_EQ(FileExists("E:\\V\\Glimmerion.8bf"), !refused);
    EXPECT_EQ(GetRegValue(HKEY_LOCAL_MACHINE, kRecord, "Version"),
              std::string(refused ? c.recorded : "1.0.0") + '\0');
    EXPECT_EQ(
        Log().find("A newer version (1.0.10) of Glimmerion is installed") != std::string::npos,
        refused);
    DeleteFileA("E:\\V\\Glimmerion.8bf");
  }
}

}  // namespace
