// Opening the help page from the elevated installer: the page opens through the desktop's shell,
// as the signed-in user, never from the installer's own process.
#include "win32/user_shell.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/platform_fixtures.h"
#include "win32/handle_guards.h"

namespace {

// The class of the desktop's shell windows, through which the desktop's Explorer is reached.
const char kShellWindowsTreatAs[] = "CLSID\\{9BA05972-F6A8-11CF-A442-00A0C90A8F39}\\TreatAs";

// Wine runs every process elevated, so only the elevated way can be seen here: that the address
// is opened by the desktop's Explorer, and by nobody when that Explorer cannot be reached (a
// browser started from here would run with administrator rights). That this Explorer runs
// unelevated shows only on Windows.
TEST(UserShell, AnElevatedProcessOpensTheAddressOnlyThroughTheDesktopsShell) {
  ASSERT_TRUE(ProcessIsElevated());
  char folder[MAX_PATH] = "";
  GetTempPathA(sizeof folder, folder);
  const std::string report = std::string(folder) + "glimmer-witness.txt";
  // A web-address scheme whose "browser" is the launch witness.
  ScopedRegTree scheme(HKEY_CLASSES_ROOT, "glimmer-witness");
  SetRegString(HKEY_CLASSES_ROOT, "glimmer-witness", "URL Protocol", "");
  SetRegString(HKEY_CLASSES_ROOT, "glimmer-witness\\shell\\open\\command", "",
               "\"" LAUNCH_WITNESS_PATH "\" \"" + report + "\" \"%1\"");
  ComApartment apartment;
  struct Case {
    bool shellReachable;
    const char* opened;  // by whom, and what; "": nothing
  } cases[] = {
      {true, "explorer.exe|glimmer-witness:help"},
      {false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shellReachable ? "shell reachable" : "shell unreachable");
    DeleteFileA(report.c_str());
    // Unreachable: the class is taken for one that nothing serves, as where no Explorer runs.
    ScopedRegTree treatAs(HKEY_CLASSES_ROOT, kShellWindowsTreatAs);
    if (!c.shellReachable) {
      SetRegString(HKEY_CLASSES_ROOT, kShellWindowsTreatAs, "",
                   "{0D1E5A11-0000-4000-8000-00000000B10C}");
    }

    OpenAsSignedInUser(nullptr, L"glimmer-witness:help");

    // A launch shows within 10 s; 2 s without one is taken as none.
    const int waits = c.shellReachable ? 100 : 20;
    for (int waited = 0; waited < waits && ReadFileBytes(report).empty(); ++waited) Sleep(100);
    EXPECT_EQ(ReadFileBytes(report), c.opened);
  }
  DeleteFileA(report.c_str());
}

}  // namespace
