// Opening the help page from the elevated installer: the page opens through the desktop's shell,
// as the signed-in user, never from the installer's own process.
#include "win32/user_shell.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/platform_fixtures.h"
#include "win32/handle_guards.h"

namespace {

// Wine runs every process elevated, so only the elevated way can be seen here: that the address
// is opened by the desktop's Explorer. That this Explorer runs unelevated shows only on Windows.
TEST(UserShell, AnElevatedProcessOpensTheAddressThroughTheDesktopsShell) {
  ASSERT_TRUE(ProcessIsElevated());
  char folder[MAX_PATH] = "";
  GetTempPathA(sizeof folder, folder);
  const std::string report = std::string(folder) + "glimmer-witness.txt";
  DeleteFileA(report.c_str());
  // A web-address scheme whose "browser" is the launch witness.
  ScopedRegTree scheme(HKEY_CLASSES_ROOT, "glimmer-witness");
  SetRegString(HKEY_CLASSES_ROOT, "glimmer-witness", "URL Protocol", "");
  SetRegString(HKEY_CLASSES_ROOT, "glimmer-witness\\shell\\open\\command", "",
               "\"" LAUNCH_WITNESS_PATH "\" \"" + report + "\" \"%1\"");
  ComApartment apartment;

  OpenAsSignedInUser(nullptr, L"glimmer-witness:help");

  for (int waited = 0; waited < 100 && ReadFileBytes(report).empty(); ++waited) Sleep(100);
  EXPECT_EQ(ReadFileBytes(report), "explorer.exe|glimmer-witness:help");
  DeleteFileA(report.c_str());
}

}  // namespace
