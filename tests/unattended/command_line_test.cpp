// Reading /S, /LOG= and /D= from a whole command line.
#include "unattended/command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/support/platform_fixtures.h"

namespace {

struct Case {
  const char* name;
  std::string text;  // UTF-8, as the folder and the log path
  bool unattended;
  bool invalid;
  const char* folder;  // null: not checked (an invalid /D=)
  const char* logPath;
  int removal = 0;  // kUninstall and kAllowDowngrade bits
};

const int kUninstall = 1;
const int kAllowDowngrade = 2;

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const std::string kLongPath = "D:\\" + std::string(MAX_PATH, 'l');

const Case kCases[] = {
    {"NoSwitches", "setup.exe", false, false, "", ""},
    {"SlashS", "setup.exe /S", true, false, "", ""},
    {"AnyCaseAndBlanks", "setup.exe\t/s  ", true, false, "", ""},
    {"QuotedProgramWithBlanks", "\"C:\\My Files\\setup.exe\" /S", true, false, "", ""},
    {"SlashSWithMore", "setup.exe /Sx", false, true, "", ""},
    {"UnknownSwitch", "setup.exe /S /X", true, true, "", ""},
    {"Log", "setup.exe /S /LOG=D:\\setup.log", true, false, "", "D:\\setup.log"},
    {"QuotedLog", "setup.exe \"/log=D:\\my setup.log\" /S", true, false, "", "D:\\my setup.log"},
    {"LaterLogWins", "setup.exe /LOG=D:\\a.log /S /LOG=D:\\b.log", true, false, "", "D:\\b.log"},
    {"EmptyLog", "setup.exe /S /LOG=", true, true, "", ""},
    {"LogTooLong", "setup.exe /S /LOG=" + kLongPath, true, true, "", ""},
    {"FolderTakesTheRest", "setup.exe /S /D=C:\\My Plug-Ins /LOG=D:\\a.log", true, false,
     "C:\\My Plug-Ins /LOG=D:\\a.log\\", ""},
    {"FolderBlanksAtEndDropped", "setup.exe /S /D=C:\\Filters\\  ", true, false, "C:\\Filters\\", ""},
    {"QuotedFolder", "setup.exe /S \"/D=E:\\Quoted\"", true, false, "E:\\Quoted\\", ""},
    {"ShareFolder", "setup.exe /S /d=\\\\server\\share\\x", true, false, "\\\\server\\share\\x\\", ""},
    {"EmptyFolder", "setup.exe /S /D=", true, true, nullptr, ""},
    {"RelativeFolder", "setup.exe /S /D=Plug-Ins", true, true, nullptr, ""},
    {"DriveRelativeFolder", "setup.exe /S /D=C:Plug-Ins", true, true, nullptr, ""},
    {"FolderTooLong", "setup.exe /S /D=C:\\" + std::string(kFolderTextSize, 'f'), true, true, nullptr,
     ""},
    {"PathsInAnyScript", "setup.exe /S \"/LOG=D:\\Журнал.log\" /D=E:\\写真 \xF0\x9F\x8E\xA8", true,
     false, "E:\\写真 \xF0\x9F\x8E\xA8\\", "D:\\Журнал.log"},
    {"FolderWithoutRoomForBackslash", "setup.exe /S /D=C:\\" + std::string(kFolderTextSize - 4, 'f'),
     true, true, nullptr, ""},
    {"Uninstall", "setup.exe /uninstall", false, false, "", "", kUninstall},
    {"QuietUninstall", "setup.exe /UNINSTALL /s /LOG=D:\\u.log", true, false, "", "D:\\u.log",
     kUninstall},
    {"UninstallTakesNoFolder", "setup.exe /uninstall /S /D=C:\\X", true, true, nullptr, "",
     kUninstall},
    {"AllowDowngrade", "setup.exe /S /AllowDowngrade", true, false, "", "", kAllowDowngrade},
};

class ReadCommandLineCase : public testing::TestWithParam<Case> {};

TEST_P(ReadCommandLineCase, GivesTheSwitchesOrMarksTheLineInvalid) {
  const Case& c = GetParam();
  CommandLine command = {};
  ReadCommandLine(Wide(c.text).c_str(), &command);
  EXPECT_EQ(command.unattended, c.unattended);
  EXPECT_EQ(command.invalid, c.invalid);
  EXPECT_EQ(command.uninstall, (c.removal & kUninstall) != 0);
  EXPECT_EQ(command.allowDowngrade, (c.removal & kAllowDowngrade) != 0);
  if (c.folder) {
    EXPECT_EQ(Utf8(command.folder), c.folder);
  }
  EXPECT_EQ(Utf8(command.logPath), c.logPath);
}

INSTANTIATE_TEST_SUITE_P(Lines, ReadCommandLineCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
