// The Candidate folder list and the Exclusion list, with folders on a mapped D: drive.
#include "discovery/folder_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/discovery/discovery_test_support.h"
#include "tests/support/platform_fixtures.h"

namespace {

using Folders = std::vector<std::string>;

void Add(const std::string& path) {
  wchar_t buffer[kFolderTextSize];
  ASSERT_TRUE(CopyText(buffer, kFolderTextSize, Wide(path).c_str()));
  AddCandidateFolder(buffer, kFolderTextSize);
}

TEST(AddCandidateFolder, NormalisesEachFolderAsTheListShowsIt) {
  struct Case {
    const char* existing;
    const char* added;
    Folders listed;  // "*" marks a folder that takes the plug-in directly (flag 0)
  } cases[] = {
      {"D:\\Program Files\\Adobe\\Photoshop 9\\Plug-Ins\\Tarnwell\\Filters",
       "D:\\Program Files\\Adobe\\Photoshop 9\\Plug-Ins\\Tarnwell\\Filters",
       {"D:\\Program Files\\Adobe\\Photoshop 9\\Plug-Ins\\"}},
      {"D:\\Program Files\\iGrafx\\Plugins", "D:\\Program Files\\iGrafx\\Plugins",
       {"D:\\Program Files\\Igrafx\\Plugins\\*"}},
      {"D:\\Extarn\\Tarnwell", "D:\\Extarn\\Tarnwell\\", {"D:\\Extarn\\Tarnwell\\"}},
      {"D:\\Ed\\Plug-Ins", "\"D:\\Ed\\Plug-Ins\\blur.8bf", {}},
      {"D:\\Ed\\Plug-Ins", "D:\\Ed\\Plug-Ins\\blur.8bf", {"D:\\Ed\\Plug-Ins\\"}},
      {"D:\\Other", "D:\\Missing\\Plug-Ins", {}},
  };
  for (const Case& c : cases) {
    ClearCandidateFolders();
    MakeFolders(c.existing);
    Add(c.added);
    EXPECT_EQ(CandidateFolders(), c.listed) << c.added;
  }
}

TEST(AddCandidateFolder, StoresOneSlotPerFolderWhateverItsLetterCase) {
  MakeFolders("D:\\Editor\\Plugins");
  MakeFolders("D:\\Program Files\\iGrafx\\Plugins");
  Add("D:\\Editor\\Plugins");
  Add("D:\\EDITOR\\PLUGINS\\");
  Add("d:\\editor\\plugins\\Tarnwell");  // no such folder: the probe falls back to the parent
  Add("D:\\Program Files\\iGrafx\\Plugins");
  Add("D:\\PROGRAM FILES\\IGRAFX\\PLUGINS\\");
  EXPECT_EQ(CandidateFolders(),
            (Folders{"D:\\Editor\\Plugins\\", "D:\\Program Files\\Igrafx\\Plugins\\*"}));
}

TEST(AddCandidateFolder, DropsTheTwentyFirstFolder) {
  for (int i = 0; i < 21; ++i) {
    std::string folder = "D:\\F" + std::to_string(i);
    MakeFolders(folder);
    Add(folder);
  }
  ASSERT_EQ(CountFolderSlots(g_candidateFolders), 20);
  EXPECT_STREQ(g_candidateFolders.slots[19].text, L"D:\\F19\\");
}

TEST(AddCandidateFolder, NeverStoresAFolderThatDoesNotFitASlot) {
  // 399 characters without the trailing backslash: the normalised text would need 401 bytes.
  std::string folder = "D:";
  while (folder.size() < 399) folder += "\\" + std::string(std::min<size_t>(60, 398 - folder.size()), 'a');
  ASSERT_EQ(folder.size(), 399u);
  // Wine cannot enter such a long path either; the table must stay empty in any case.
  Add(folder);
  EXPECT_EQ(CountFolderSlots(g_candidateFolders), 0);
}

TEST(AddExclusion, FillsSlotsInOrderAndDropsTheTwentyFirst) {
  for (int i = 0; i < 21; ++i) AddExclusion((L"Key" + std::to_wstring(i)).c_str());
  ASSERT_EQ(CountFolderSlots(g_exclusions), 20);
  EXPECT_STREQ(g_exclusions.slots[0].text, L"Key0");
  EXPECT_STREQ(g_exclusions.slots[19].text, L"Key19");
}

TEST(AddExclusion, KeepsDuplicatesAndRefusesKeysLongerThanASlot) {
  AddExclusion(L"Glimmerion");
  AddExclusion(L"Glimmerion");
  AddExclusion(std::wstring(400, L'k').c_str());
  AddExclusion(std::wstring(399, L'k').c_str());
  ASSERT_EQ(CountFolderSlots(g_exclusions), 3);
  EXPECT_STREQ(g_exclusions.slots[1].text, L"Glimmerion");
  EXPECT_EQ(wcslen(g_exclusions.slots[2].text), 399u);
}

}  // namespace
