// The folder list filled from the Candidate folder list, and its one browsed entry, in a real
// drop-down combo box.
#include "window/folder_list.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/driver/combo_fixture.h"
#include "tests/support/platform_fixtures.h"

namespace {

const std::string kBrowseEntry = Utf8(kBrowseEntryText);

using FolderListTest = ComboFixture;

struct Candidate {
  std::string text;
  int flag;
};

struct FillCase {
  const char* name;
  std::vector<Candidate> candidates;
  std::vector<std::string> entries;  // without the browse entry, which always follows
};

void PrintTo(const FillCase& fillCase, std::ostream* out) { *out << fillCase.name; }

std::string LongFolder(size_t length) {
  std::string text = "E:\\";
  while (text.size() < length - 1) text += 'a';
  return text + "\\";
}

const std::vector<FillCase>& FillCases() {
  static const std::vector<FillCase> cases = {
      {"NoCandidates", {}, {}},
      {"SubfolderOnlyWhereFlagged",
       {{"E:\\A\\", 1}, {"E:\\B\\", 0}},
       {"E:\\A\\Tarnwell\\", "E:\\B\\"}},
      {"StopsAtFirstEmptySlot", {{"E:\\A\\", 0}, {"", 1}, {"E:\\C\\", 0}}, {"E:\\A\\"}},
      // 390 characters plus "Tarnwell\" fill the 400-byte buffer to its last byte.
      {"LongestFolderThatTakesTheSubfolder", {{LongFolder(390), 1}}, {LongFolder(390) + "Tarnwell\\"}},
      {"FolderTooLongForTheSubfolderIsLeftOut",
       {{"E:\\A\\", 1}, {LongFolder(391), 1}, {"E:\\B\\", 0}},
       {"E:\\A\\Tarnwell\\", "E:\\B\\"}},
      {"LongFolderWithoutSubfolderStays", {{LongFolder(399), 0}}, {LongFolder(399)}},
  };
  return cases;
}

class FolderListFill : public ComboFixture, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FolderListFill, ListsCandidatesThenBrowseEntryWithFirstSelected) {
  FolderTable candidates;
  for (size_t i = 0; i < GetParam().candidates.size(); ++i) {
    ASSERT_TRUE(CopyText(candidates.slots[i].text, kFolderTextSize,
                         Wide(GetParam().candidates[i].text).c_str()));
    candidates.slots[i].flag = GetParam().candidates[i].flag;
  }
  wchar_t pathBuffer[kFolderTextSize];
  FolderListState state = FillFolderList(combo(), candidates, pathBuffer);

  std::vector<std::string> expected = GetParam().entries;
  expected.push_back(kBrowseEntry);
  EXPECT_EQ(Entries(), expected);
  EXPECT_EQ(Selection(), 0);
  EXPECT_EQ(state.candidateCount, static_cast<int>(GetParam().entries.size()));
  EXPECT_EQ(state.browsedEntry, 0);
  EXPECT_EQ(BrowseEntryIndex(state), state.candidateCount);
}

INSTANTIATE_TEST_SUITE_P(Tables, FolderListFill, ::testing::ValuesIn(FillCases()),
                         [](const ::testing::TestParamInfo<FillCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(FolderListTest, FullCandidateListGivesTwentyEntriesAndTheBrowseEntry) {
  FolderTable candidates;
  for (int i = 0; i < kFolderTableSlots; ++i) {
    std::string text = "E:\\F" + std::to_string(i) + "\\";
    CopyText(candidates.slots[i].text, kFolderTextSize, Wide(text).c_str());
  }
  wchar_t pathBuffer[kFolderTextSize];
  FolderListState state = FillFolderList(combo(), candidates, pathBuffer);
  EXPECT_EQ(state.candidateCount, 20);
  ASSERT_EQ(Entries().size(), 21u);
  EXPECT_EQ(Entries()[19], "E:\\F19\\Tarnwell\\");
  EXPECT_EQ(Entries()[20], kBrowseEntry);
}

TEST_F(FolderListTest, BrowsedFolderSitsBeforeBrowseEntryAndNextPickReplacesIt) {
  FolderTable candidates;
  CopyText(candidates.slots[0].text, kFolderTextSize, L"E:\\A\\");
  CopyText(candidates.slots[1].text, kFolderTextSize, L"E:\\B\\");
  candidates.slots[1].flag = 0;
  wchar_t pathBuffer[kFolderTextSize];
  FolderListState state = FillFolderList(combo(), candidates, pathBuffer);

  PutBrowsedFolder(combo(), state, L"D:\\X\\");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\Tarnwell\\", "E:\\B\\", "D:\\X\\",
                                                 kBrowseEntry}));
  EXPECT_EQ(Selection(), 2);
  EXPECT_EQ(BrowseEntryIndex(state), 3);

  PutBrowsedFolder(combo(), state, L"D:\\Y\\");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\Tarnwell\\", "E:\\B\\", "D:\\Y\\",
                                                 kBrowseEntry}));
  EXPECT_EQ(Selection(), 2);
  EXPECT_EQ(BrowseEntryIndex(state), 3);
}

}  // namespace
