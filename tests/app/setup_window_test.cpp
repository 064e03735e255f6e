// The Setup window from its real template: folder list, folder picker, Install and completion.
#include "app/setup_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/folder_list.h"
#include "discovery/folder_tables.h"
#include "tests/app/combo_fixture.h"
#include "tests/app/picker_driver.h"
#include "tests/support/platform_fixtures.h"

namespace {

const int kSkinWidth = 500;
const int kSkinHeight = 292;

class SetupWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }

  // Candidates are written straight into the table, so a folder need not exist to be listed.
  void AddCandidate(const char* text, int flag) {
    FolderSlot* slot = g_candidateFolders.slots;
    while (slot->text[0]) ++slot;
    ASSERT_TRUE(CopyText(slot->text, kFolderTextSize, text));
    slot->flag = flag;
  }

  void Open() {
    window_ = CreateDialogParamA(GetModuleHandleA(nullptr), "main", nullptr, SetupWindowProc, 0);
    ASSERT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOW);
  }

  HWND List() const { return GetDlgItem(window_, kFolderListId); }
  std::vector<std::string> Entries() const { return ComboEntries(List()); }
  int Selection() const { return static_cast<int>(SendMessageA(List(), CB_GETCURSEL, 0, 0)); }

  void Command(WORD id, WORD code = 0) {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, id)));
  }
  // Chooses an entry as the user does: the list reports the change to the window.
  void Choose(int index) {
    SendMessageA(List(), CB_SETCURSEL, index, 0);
    Command(kFolderListId, CBN_SELCHANGE);
  }

  RECT ListRect() const {
    RECT rect;
    GetWindowRect(List(), &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  // EndDialog hides a dialog that was not run modally.
  bool Ended() const { return !IsWindowVisible(window_); }

  HWND window_ = nullptr;
};

TEST_F(SetupWindowTest, ListsCandidatesThenBrowseEntryWithFirstSelected) {
  AddCandidate("E:\\A\\", 1);
  AddCandidate("E:\\B\\", 0);
  Open();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\Tarnwell\\", "E:\\B\\", kBrowseEntryText}));
  EXPECT_EQ(Selection(), 0);
  EXPECT_EQ(GetFocus(), GetDlgItem(window_, kFocusButtonId));
}

TEST_F(SetupWindowTest, TemplateMakesCaptionlessPopupWithDropDownListAndHiddenFocusButton) {
  Open();
  LONG style = GetWindowLongA(window_, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
  LONG listStyle = GetWindowLongA(List(), GWL_STYLE);
  EXPECT_EQ(listStyle & 3, CBS_DROPDOWNLIST);
  EXPECT_FALSE(listStyle & CBS_SORT);
  EXPECT_TRUE(listStyle & WS_TABSTOP);
  EXPECT_TRUE(IsWindowVisible(List()));
  HWND focusButton = GetDlgItem(window_, kFocusButtonId);
  ASSERT_NE(focusButton, nullptr);
  EXPECT_FALSE(IsWindowVisible(focusButton));
  EXPECT_EQ(GetWindowTextLengthA(focusButton), 0);
}

TEST_F(SetupWindowTest, ClientAreaTakesSkinSizeCentredWhereTheTemplateWas) {
  Open();
  RECT client;
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, kSkinWidth);
  EXPECT_EQ(client.bottom, kSkinHeight);
  // The template is centred by the dialog manager; resizing keeps that centre.
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  POINT centre = {kSkinWidth / 2, kSkinHeight / 2};
  ClientToScreen(window_, &centre);
  EXPECT_NEAR(centre.x, (work.left + work.right) / 2, 2);
  EXPECT_NEAR(centre.y, (work.top + work.bottom) / 2, 2);

  RECT list = ListRect();
  EXPECT_EQ(list.left, 16);
  EXPECT_EQ(list.top, kSkinHeight - 60);
  EXPECT_EQ(list.right - list.left, kSkinWidth - 31);
}

TEST_F(SetupWindowTest, BrowsedFolderIsInsertedBeforeBrowseEntryAndReplacedByNextPick) {
  AddCandidate("E:\\A\\", 1);
  MakeFolders("D:\\X");
  MakeFolders("D:\\Y");
  Open();

  PickerAnswer pickX("D:\\X");
  Choose(1);
  ASSERT_TRUE(pickX.Answered());
  EXPECT_TRUE(pickX.ShowedTitle("Please Select Your Plug-Ins Folder"));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\Tarnwell\\", "D:\\X\\", kBrowseEntryText}));
  EXPECT_EQ(Selection(), 1);

  PickerAnswer pickY("D:\\Y");
  Choose(2);
  ASSERT_TRUE(pickY.Answered());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\Tarnwell\\", "D:\\Y\\", kBrowseEntryText}));
  EXPECT_EQ(Selection(), 1);
}

TEST_F(SetupWindowTest, PickedDriveRootGetsNoSecondBackslash) {
  Open();
  PickerAnswer pickRoot("D:\\");
  Choose(0);
  ASSERT_TRUE(pickRoot.Answered());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"D:\\", kBrowseEntryText}));
  EXPECT_EQ(Selection(), 0);
}

TEST_F(SetupWindowTest, CancelledPickerSelectsFirstEntryAndKeepsEarlierPick) {
  AddCandidate("E:\\A\\", 0);
  MakeFolders("D:\\X");
  Open();
  PickerAnswer pickX("D:\\X");
  Choose(1);
  ASSERT_TRUE(pickX.Answered());

  PickerAnswer cancel("");
  Choose(2);
  ASSERT_TRUE(cancel.Answered());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\", "D:\\X\\", kBrowseEntryText}));
  EXPECT_EQ(Selection(), 0);
}

TEST_F(SetupWindowTest, ChoosingAListedFolderOpensNoPickerAndTakesFocusOffTheList) {
  AddCandidate("E:\\A\\", 0);
  AddCandidate("E:\\B\\", 0);
  Open();
  SetFocus(List());
  PickerAnswer noPicker("");
  Choose(1);
  EXPECT_FALSE(noPicker.Answered());
  EXPECT_EQ(Selection(), 1);
  EXPECT_EQ(GetFocus(), GetDlgItem(window_, kFocusButtonId));
}

TEST_F(SetupWindowTest, InstallCreatesMakerSubfolderThenMovesListOutOfSight) {
  MakeFolders("E:\\A");
  AddCandidate("E:\\A\\", 1);
  Open();
  Command(IDOK);
  EXPECT_TRUE(FileExists("E:\\A\\Tarnwell"));
  EXPECT_EQ(ListRect().top, 1000);
  EXPECT_FALSE(Ended());
  Command(IDOK);
  EXPECT_TRUE(Ended());
}

struct RefusedInstallCase {
  const char* name;
  const char* candidate;  // null: none
  int selection;
  const char* mustNotExist;  // null: nothing to check on disk
};

void PrintTo(const RefusedInstallCase& refused, std::ostream* out) { *out << refused.name; }

class InstallRefused : public SetupWindowTest,
                       public ::testing::WithParamInterface<RefusedInstallCase> {};

TEST_P(InstallRefused, LeavesWindowChoosingAndCreatesNothing) {
  if (GetParam().candidate) AddCandidate(GetParam().candidate, 1);
  Open();
  SendMessageA(List(), CB_SETCURSEL, GetParam().selection, 0);
  Command(IDOK);
  if (GetParam().mustNotExist) {
    EXPECT_FALSE(FileExists(GetParam().mustNotExist));
  }
  EXPECT_EQ(ListRect().top, kSkinHeight - 60);
  Command(IDOK);
  EXPECT_FALSE(Ended());
}

const RefusedInstallCase kRefusedInstallCases[] = {
    {"MissingParentFolder", "E:\\Gone\\", 0, "E:\\Gone"},
    {"BrowseEntrySelected", nullptr, 0, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Tables, InstallRefused, ::testing::ValuesIn(kRefusedInstallCases),
                         [](const ::testing::TestParamInfo<RefusedInstallCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(SetupWindowTest, CancelEndsTheWindowBeforeCompletion) {
  Open();
  Command(IDCANCEL);
  EXPECT_TRUE(Ended());
}

TEST_F(SetupWindowTest, CancelEndsTheWindowAfterCompletion) {
  MakeFolders("E:\\A");
  AddCandidate("E:\\A\\", 0);
  Open();
  Command(IDOK);
  ASSERT_EQ(ListRect().top, 1000);
  Command(IDCANCEL);
  EXPECT_TRUE(Ended());
}

TEST_F(SetupWindowTest, InstallAndCancelCommandsOfTheControlsActAsTheDialogCommands) {
  MakeFolders("E:\\A");
  AddCandidate("E:\\A\\", 1);
  Open();
  SendMessageA(window_, kControlCommandMessage, kInstallCommand, 0);
  EXPECT_TRUE(FileExists("E:\\A\\Tarnwell"));
  EXPECT_EQ(ListRect().top, 1000);
  SendMessageA(window_, kControlCommandMessage, kCancelCommand, 0);
  EXPECT_TRUE(Ended());
}

TEST_F(SetupWindowTest, HelpKeyAndUnknownCommandsChangeNothing) {
  AddCandidate("E:\\A\\", 0);
  Open();
  HELPINFO help = {};
  help.cbSize = sizeof help;
  SendMessageA(window_, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  SendMessageA(window_, kControlCommandMessage, kHelpKeyCommand, 0);
  SendMessageA(window_, kControlCommandMessage, 1, 0);  // the logo button's number
  Command(kFocusButtonId);
  EXPECT_FALSE(Ended());
  EXPECT_EQ(ListRect().top, kSkinHeight - 60);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\", kBrowseEntryText}));
}

TEST(RunSetupWindow, ReportsAWindowThatCannotBeCreated) {
  // A module without the template: the dialog cannot be made.
  HMODULE withoutTemplate = GetModuleHandleA("kernel32.dll");
  EXPECT_NE(RunSetupWindow(withoutTemplate), 0);
}

}  // namespace
