// The unattended installation's log over this test's own payload: every file and preset value
// with the roots that took it, the exit code last, and a log that could not be written to its end.
#include "unattended/install_log.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/platform_fixtures.h"

namespace {

// Every log starts with UTF-8's byte-order mark.
const std::string kUtf8Mark = "\xEF\xBB\xBF";

// The machine's root refuses the values: no lasting key can be made below a volatile one.
TEST(InstallLog, NamesEachFileAndPresetValueWithTheRootsThatTookIt) {
  ScopedRegTree user(HKEY_CURRENT_USER, "Software\\Tarnwell");
  ScopedRegTree machine(HKEY_LOCAL_MACHINE, "Software\\Tarnwell");
  MakeVolatileKey(HKEY_LOCAL_MACHINE, "Software\\Tarnwell");
  MakeFolders("D:\\Plug-Ins");
  InstallLog log(L"D:\\setup.log");
  PayloadJob job = {};
  job.installPath = L"D:\\Plug-Ins\\";
  job.observer = &log;
  InstallPayload(GetModuleHandleA(nullptr), &job);
  EXPECT_EQ(log.Close(kExitInstalled), kExitInstalled);
  EXPECT_EQ(ReadFileBytes("D:\\setup.log"),
            kUtf8Mark +
            "Wrote file: D:\\Plug-Ins\\Glimmerion.8bf (9 bytes)\r\n"
            "Wrote preset value: HKCU\\Software\\Tarnwell\\Tessarine\\Bouquet01 (128 bytes)\r\n"
            "Wrote preset value: HKCU\\Software\\Tarnwell\\Tessarine\\Bouquet02 (128 bytes)\r\n"
            "Exit code: 0\r\n");
}

// Whatever stands at the log's name is replaced by the new log: a link itself, never the file it
// leads to.
TEST(InstallLog, ReplacesAFileOrALinkAtItsNameAndLeavesTheLinksTargetAlone) {
  MakeFolders("D:\\Real");
  WriteFileBytes("D:\\Real\\precious.log", "precious");
  WriteFileBytes("D:\\old.log", "an earlier log");
  MakeLink("D:\\linked.log", "D:\\Real\\precious.log");
  for (const char* path : {"D:\\old.log", "D:\\linked.log"}) {
    SCOPED_TRACE(path);
    InstallLog log(Wide(path).c_str());
    EXPECT_EQ(log.Close(kExitInstalled), kExitInstalled);
    EXPECT_EQ(ReadFileBytes(path), kUtf8Mark + "Exit code: 0\r\n");
    EXPECT_EQ(GetFileAttributesA(path) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
  }
  EXPECT_EQ(ReadFileBytes("D:\\Real\\precious.log"), "precious");
}

// Windows' wvsprintfW returns the length it wrote, Wine's 1,024 for a line it cut: both end the
// line at 1,023 characters, within the line buffer.
TEST(InstallLog, CutsALongLineAt1023Characters) {
  {
    InstallLog log(L"D:\\setup.log");
    log.Line(L"%s", std::wstring(2000, L'x').c_str());
    log.Close(kExitInstalled);
  }
  EXPECT_EQ(ReadFileBytes("D:\\setup.log"),
            kUtf8Mark + std::string(1023, 'x') + "\r\nExit code: 0\r\n");
}

// T: is a small tmpfs volume (tests/install/test-volumes.sh), filled up here.
TEST(InstallLog, ALogThatCannotBeWrittenToItsEndRaisesTheExitCodeToTwo) {
  ULARGE_INTEGER total = {};
  if (!GetDiskFreeSpaceExA("T:\\", nullptr, &total, nullptr) || total.QuadPart > 1024 * 1024)
    GTEST_SKIP() << "not run: T: is no small tmpfs volume (mounting needs root)";
  HANDLE filler = CreateFileA("T:\\filler", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  static char block[4096];
  for (DWORD written = 1; written && WriteFile(filler, block, sizeof block, &written, nullptr);) {
  }
  CloseHandle(filler);
  {
    InstallLog log(L"T:\\setup.log");
    ASSERT_TRUE(log.IsOpen());
    log.Line(L"a line that finds no room");
    EXPECT_EQ(log.Close(kExitInstalled), kExitNotWritten);
  }
  EXPECT_TRUE(DeleteFileA("T:\\filler") && DeleteFileA("T:\\setup.log"));
}

}  // namespace
