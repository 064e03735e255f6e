// The whole discovery: the order of its eight sources in the Candidate folder list.
#include "discovery/discovery_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/discovery/discovery_test_support.h"
#include "tests/support/platform_fixtures.h"

namespace {

using Folders = std::vector<std::string>;

const char kFireworks[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\fireworks.exe";

class DiscoverySequence : public ::testing::Test {
 protected:
  ScopedRegTree tarnwell_{HKEY_CURRENT_USER, "software\\tarnwell"};
  ScopedRegTree adobe_{HKEY_CURRENT_USER, "software\\adobe"};
  ScopedRegTree corel_{HKEY_CURRENT_USER, "software\\corel"};
  ScopedRegTree jasc_{HKEY_CURRENT_USER, "software\\jasc"};
  ScopedRegTree xara_{HKEY_CURRENT_USER, "software\\xara"};
  ScopedRegTree fireworks_{HKEY_LOCAL_MACHINE, kFireworks};
  ScopedRegTree imaging_{HKEY_CLASSES_ROOT, "PI3.Image"};
  ScopedRegTree painter_{HKEY_CLASSES_ROOT, "PainterFile"};
};

TEST_F(DiscoverySequence, SearchesComeFirstThenTheProbesInTheirOrder) {
  for (int i = 1; i <= 9; ++i) MakeFolders("D:\\S" + std::to_string(i));
  MakeFolders("D:\\S6\\plug-ins");
  MakeFolders("D:\\S7\\plugin");
  // Written in reverse, so that only discovery's own order can put them in order.
  WriteFileBytes("D:\\S8\\painter.set", std::string("\x80\x05", 2) + "D:\\S9" + std::string(1, '\0'));
  SetRegString(HKEY_CLASSES_ROOT, "PainterFile\\shell\\open\\command", "", "D:\\S8\\painter.exe %1");
  SetRegString(HKEY_CLASSES_ROOT, "PI3.Image\\shell\\open\\command", "",
               "\"D:\\S7\\imaging.exe\" \"%1\"");
  SetRegString(HKEY_LOCAL_MACHINE, kFireworks, "", "D:\\S6\\Fireworks.exe");
  SetRegString(HKEY_CURRENT_USER, "software\\xara\\XaraX", "PlugIns", "D:\\S5");
  SetRegString(HKEY_CURRENT_USER, "software\\jasc\\Paint Shop Pro", "Directory1", "D:\\S4");
  SetRegString(HKEY_CURRENT_USER, "software\\corel\\Painter\\Plugins", "Path", "D:\\S3");
  SetRegString(HKEY_CURRENT_USER, "software\\adobe\\Photoshop", "PluginPath", "D:\\S2");
  SetRegString(HKEY_CURRENT_USER, "software\\tarnwell\\Glimmerion", "Plugin", "D:\\S1");
  RunDiscovery();
  EXPECT_EQ(CandidateFolders(), (Folders{"D:\\S1\\", "D:\\S2\\", "D:\\S3\\", "D:\\S4\\", "D:\\S5\\",
                                         "D:\\S6\\Plug-Ins\\", "D:\\S7\\Plugin\\", "D:\\S9\\"}));
}

TEST_F(DiscoverySequence, ProgramFolderStandsInForAMissingPluginSubfolder) {
  MakeFolders("D:\\Editors\\Fireworks");
  SetRegString(HKEY_LOCAL_MACHINE, kFireworks, "", "D:\\Editors\\Fireworks\\Fireworks.exe");
  RunDiscovery();
  EXPECT_EQ(CandidateFolders(), (Folders{"D:\\Editors\\Fireworks\\"}));
}

TEST_F(DiscoverySequence, NothingRegisteredFindsNothing) {
  RunDiscovery();
  EXPECT_TRUE(CandidateFolders().empty());
}

}  // namespace
