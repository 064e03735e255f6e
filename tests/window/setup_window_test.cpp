// The Setup window from its real template: folder list, folder picker, Install and completion.
#include "window/setup_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "discovery/folder_tables.h"
#include "resources/resource_ids.h"
#include "skin/bitmap_button.h"
#include "tests/driver/combo_fixture.h"
#include "tests/driver/message_box_driver.h"
#include "tests/driver/picker_driver.h"
#include "tests/driver/window_pixels.h"
#include "tests/support/platform_fixtures.h"
#include "tests/support/script_folders.h"
#include "window/folder_list.h"
#include "window/setup_accessible.h"
#include "window/setup_controls.h"
#include "window/setup_texts.h"
#include "window/system_colour_art.h"

namespace {

const std::string kBrowseEntry = Utf8(kBrowseEntryText);
const std::string kTitle = Utf8(kProductTitle);

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
    ASSERT_TRUE(CopyText(slot->text, kFolderTextSize, Wide(text).c_str()));
    slot->flag = flag;
  }

  void Open() {
    window_ = CreateDialogParamW(GetModuleHandleW(nullptr), L"main", nullptr, SetupWindowProc,
                                 reinterpret_cast<LPARAM>(&screen_));
    ASSERT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOW);
  }

  HWND List() const { return GetDlgItem(window_, IDC_FOLDER_LIST); }
  std::vector<std::string> Entries() const { return ComboEntries(List()); }
  int Selection() const { return static_cast<int>(SendMessageA(List(), CB_GETCURSEL, 0, 0)); }

  void Command(WORD id, WORD code = 0) {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, id)));
  }
  // Chooses an entry as the user does: the list reports the change to the window.
  void Choose(int index) {
    SendMessageA(List(), CB_SETCURSEL, index, 0);
    Command(IDC_FOLDER_LIST, CBN_SELCHANGE);
  }

  RECT ListRect() const {
    RECT rect;
    GetWindowRect(List(), &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  // EndDialog hides a dialog that was not run modally.
  bool Ended() const { return !IsWindowVisible(window_); }

  ControlRegistry registry_ = {};
  Screen screen_{&registry_, GetModuleHandleA(nullptr)};
  HWND window_ = nullptr;
};

TEST_F(SetupWindowTest, ListsCandidatesThenBrowseEntryWithFirstSelected) {
  AddCandidate("E:\\A\\", 1);
  AddCandidate("E:\\B\\", 0);
  Open();
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{"E:\\A\\Tarnwell\\", "E:\\B\\", kBrowseEntry}));
  EXPECT_EQ(Selection(), 0);
  EXPECT_EQ(GetFocus(), GetDlgItem(window_, IDC_FOCUS_BUTTON));
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
  HWND focusButton = GetDlgItem(window_, IDC_FOCUS_BUTTON);
  ASSERT_NE(focusButton, nullptr);
  EXPECT_FALSE(IsWindowVisible(focusButton));
  wchar_t name[32] = L"";
  GetWindowTextW(focusButton, name, 32);
  EXPECT_STREQ(name, kProductTitle) << "a screen reader names the system's focus by it";
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
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{"E:\\A\\Tarnwell\\", "D:\\X\\", kBrowseEntry}));
  EXPECT_EQ(Selection(), 1);

  PickerAnswer pickY("D:\\Y");
  Choose(2);
  ASSERT_TRUE(pickY.Answered());
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{"E:\\A\\Tarnwell\\", "D:\\Y\\", kBrowseEntry}));
  EXPECT_EQ(Selection(), 1);
}

// The picker hands back a folder in any script; it is listed exactly and installed into.
TEST_F(SetupWindowTest, APickedFolderInAnyScriptIsListedAndInstalledInto) {
  HRSRC resource = FindResourceA(nullptr, "GLIMMERION.8BF", MAKEINTRESOURCEA(3000));
  const std::string payload(static_cast<const char*>(LockResource(LoadResource(nullptr, resource))),
                            SizeofResource(nullptr, resource));
  for (const ScriptFolder& row : kScriptFolders) {
    SCOPED_TRACE(row.script);
    const std::string folder = std::string("E:\\") + row.name;
    MakeFolders(folder);
    Open();
    PickerAnswer pick(folder);
    Choose(0);
    ASSERT_TRUE(pick.Answered());
    EXPECT_EQ(Entries(), (std::vector<std::string>{folder + "\\", kBrowseEntry}));
    Command(IDOK);
    EXPECT_TRUE(ReadFileBytes(folder + "\\Glimmerion.8bf") == payload);
    DestroyWindow(window_);
  }
}

TEST_F(SetupWindowTest, PickedDriveRootGetsNoSecondBackslash) {
  Open();
  PickerAnswer pickRoot("D:\\");
  Choose(0);
  ASSERT_TRUE(pickRoot.Answered());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"D:\\", kBrowseEntry}));
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
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\", "D:\\X\\", kBrowseEntry}));
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
  EXPECT_EQ(GetFocus(), GetDlgItem(window_, IDC_FOCUS_BUTTON));
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
  const char* madeFolder;    // null: none
  const char* blockingFile;  // null: none
  const char* candidate;     // null: none; listed with the maker subfolder
  const char* toldAbout;     // what the message box names
  const char* mustNotExist;  // null: nothing to check on disk
  const char* link;          // null: none; made to point at linkTarget
  const char* linkTarget;
};

void PrintTo(const RefusedInstallCase& refused, std::ostream* out) { *out << refused.name; }

class InstallRefused : public SetupWindowTest,
                       public ::testing::WithParamInterface<RefusedInstallCase> {};

TEST_P(InstallRefused, SaysWhyOnceAndLeavesWindowChoosing) {
  const RefusedInstallCase& refused = GetParam();
  if (refused.madeFolder) MakeFolders(refused.madeFolder);
  if (refused.blockingFile) WriteFileBytes(refused.blockingFile, "in the way");
  if (refused.link) MakeLink(refused.link, refused.linkTarget);
  if (refused.candidate) AddCandidate(refused.candidate, 1);
  Open();
  {
    MessageBoxAnswer answer(kTitle.c_str());
    Command(IDOK);
    ASSERT_TRUE(answer.Answered()) << "no message box: the install was not refused";
    EXPECT_EQ(answer.seen().owner, window_);
    EXPECT_NE(answer.seen().text.find(refused.toldAbout), std::string::npos) << answer.seen().text;
  }
  if (refused.mustNotExist) {
    EXPECT_FALSE(FileExists(refused.mustNotExist));
  }
  if (refused.blockingFile) {
    EXPECT_EQ(ReadFileBytes(refused.blockingFile), "in the way");
  }
  EXPECT_EQ(ListRect().top, kSkinHeight - 60);
  EXPECT_TRUE(registry_.controls[kInstallSlot]->shown());
  EXPECT_FALSE(Ended());
}

const RefusedInstallCase kRefusedInstallCases[] = {
    {"MissingParentFolder", nullptr, nullptr, "E:\\Gone\\", "E:\\Gone\\Tarnwell\\", "E:\\Gone",
     nullptr, nullptr},
    {"FileInPlaceOfTheFolder", "E:\\A", "E:\\A\\Tarnwell", "E:\\A\\", "E:\\A\\Tarnwell\\", nullptr,
     nullptr, nullptr},
    {"FolderInPlaceOfThePlugIn", "E:\\A\\Tarnwell\\Glimmerion.8bf", nullptr, "E:\\A\\",
     "Glimmerion.8bf", nullptr, nullptr, nullptr},
    {"BrowseEntrySelected", nullptr, nullptr, nullptr, "choose the folder", nullptr, nullptr,
     nullptr},
    {"FolderIsALink", "E:\\A\\Theirs", nullptr, "E:\\A\\",
     "E:\\A\\Tarnwell\\\n\nbecause the folder is a link to another place",
     "E:\\A\\Theirs\\Glimmerion.8bf", "E:\\A\\Tarnwell", "E:\\A\\Theirs"},
    {"PlugInIsALink", "E:\\A\\Tarnwell", "E:\\A\\Theirs.dll", "E:\\A\\",
     "file Glimmerion.8bf into the folder\n\nE:\\A\\Tarnwell\\\n\nbecause the file is a link",
     nullptr, "E:\\A\\Tarnwell\\Glimmerion.8bf", "E:\\A\\Theirs.dll"},
};

INSTANTIATE_TEST_SUITE_P(Tables, InstallRefused, ::testing::ValuesIn(kRefusedInstallCases),
                         [](const ::testing::TestParamInfo<RefusedInstallCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(SetupWindowTest, InstallWritesIntoTheSelectedEntrysFolderOnly) {
  MakeFolders("E:\\A");
  MakeFolders("E:\\B");
  AddCandidate("E:\\A\\", 0);
  AddCandidate("E:\\B\\", 0);
  Open();
  Choose(1);
  Command(IDOK);
  EXPECT_TRUE(FileExists("E:\\B\\Glimmerion.8bf"));
  EXPECT_FALSE(FileExists("E:\\A\\Glimmerion.8bf"));
}

TEST_F(SetupWindowTest, InstallSucceedsOnceTheObstacleIsGone) {
  MakeFolders("E:\\A\\Tarnwell\\Glimmerion.8bf");
  AddCandidate("E:\\A\\", 1);
  Open();
  {
    MessageBoxAnswer answer(kTitle.c_str());
    Command(IDOK);
    ASSERT_TRUE(answer.Answered());
  }
  ASSERT_TRUE(RemoveDirectoryA("E:\\A\\Tarnwell\\Glimmerion.8bf"));
  Command(IDOK);
  EXPECT_TRUE(FileExists("E:\\A\\Tarnwell\\Glimmerion.8bf"));
  EXPECT_EQ(ListRect().top, 1000);
}


// A full left click inside the check box's frame, then the command it posts.
void ClickCheck(HWND window) {
  const LPARAM onCheck = MAKELPARAM(295, 105);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, onCheck);
  SendMessageA(window, WM_LBUTTONUP, 0, onCheck);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

TEST_F(SetupWindowTest, ClickingTheCheckBoxTogglesTheInstallButton) {
  MakeFolders("E:\\A");
  AddCandidate("E:\\A\\", 1);
  Open();
  Control* install = registry_.controls[kInstallSlot];
  Control* check = registry_.controls[kFirstCheckSlot];
  ClickCheck(window_);
  EXPECT_EQ(check->GetValue(), 0);
  EXPECT_FALSE(install->shown());
  EXPECT_FALSE(install->active());

  Command(IDOK);
  EXPECT_FALSE(FileExists("E:\\A\\Tarnwell"));
  EXPECT_EQ(ListRect().top, kSkinHeight - 60);

  ClickCheck(window_);
  EXPECT_EQ(check->GetValue(), 2);
  EXPECT_TRUE(install->shown());
  EXPECT_TRUE(install->active());
}

// A change of display scale while open (another monitor, or a new scale) makes the skin, fonts,
// images and controls again at the new scale, where Windows suggests, keeping what the user did:
// the cleared check box and the hidden Install button; after completion, the completed window.
TEST_F(SetupWindowTest, ScaleChangeRemakesTheWindowWhereSuggestedKeepingTheState) {
  MakeFolders("E:\\A");
  AddCandidate("E:\\A\\", 0);
  Open();
  ClickCheck(window_);
  const struct {
    int dpi;
    RECT suggested;
    int listTop, fontHeight;
  } steps[] = {{192, {40, 30, 1040, 614}, 464, 26}, {144, {20, 10, 770, 448}, 348, 20},
               {96, {60, 50, 560, 342}, 232, 13}, {192, {0, 0, 1000, 584}, 2000, 32}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.dpi);
    if (step.listTop == 2000) {
      ClickCheck(window_);
      Command(IDOK);
    }
    SendMessageA(window_, WM_DPICHANGED, MAKEWPARAM(step.dpi, step.dpi),
                 reinterpret_cast<LPARAM>(&step.suggested));
    RECT frame;
    RECT client;
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    EXPECT_EQ(frame.left, step.suggested.left);
    EXPECT_EQ(frame.top, step.suggested.top);
    EXPECT_EQ(client.right, ScaleToDpi(kSkinWidth, step.dpi));
    EXPECT_EQ(client.bottom, ScaleToDpi(kSkinHeight, step.dpi));
    EXPECT_EQ(ListRect().top, step.listTop);
    const BitmapButton* cancel = static_cast<BitmapButton*>(registry_.controls[kCancelSlot]);
    EXPECT_EQ(cancel->normalImage->width, ScaleToDpi(58, step.dpi));
    LOGFONTA font = {};
    GetObjectA(registry_.textFont, sizeof font, &font);
    EXPECT_EQ(font.lfHeight, step.fontHeight);
    EXPECT_EQ(registry_.controlCount, kFirstCheckSlot + 1);
    const bool completed = step.listTop == 2000;
    EXPECT_EQ(registry_.controls[kFirstCheckSlot]->GetValue(), completed ? 2 : 0);
    EXPECT_FALSE(registry_.controls[kInstallSlot]->shown());
    EXPECT_EQ(registry_.controls[kFinishSlot]->shown(), completed);
  }
}

TEST_F(SetupWindowTest, CompletionLeavesHelpLinkFinishAndLogo) {
  MakeFolders("E:\\A");
  AddCandidate("E:\\A\\", 0);
  Open();
  Command(IDOK);
  ASSERT_EQ(ListRect().top, 1000);
  const struct {
    int slot;
    bool shown;
    bool active;
  } expected[] = {{kCancelSlot, false, false},  {kInstallSlot, false, false},
                  {kFinishSlot, true, true},    {kHelpLinkSlot, true, true},
                  {kLogoSlot, true, false},     {kFirstCheckSlot, false, false}};
  for (const auto& control : expected) {
    SCOPED_TRACE(control.slot);
    EXPECT_EQ(registry_.controls[control.slot]->shown(), control.shown);
    EXPECT_EQ(registry_.controls[control.slot]->active(), control.active);
  }
}

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
  SendMessageA(window_, WM_CONTROL_COMMAND, CMD_INSTALL, 0);
  EXPECT_TRUE(FileExists("E:\\A\\Tarnwell"));
  EXPECT_EQ(ListRect().top, 1000);
  SendMessageA(window_, WM_CONTROL_COMMAND, CMD_CANCEL, 0);
  EXPECT_TRUE(Ended());
}

TEST_F(SetupWindowTest, HelpKeyAndUnknownCommandsChangeNothing) {
  AddCandidate("E:\\A\\", 0);
  Open();
  HELPINFO help = {};
  help.cbSize = sizeof help;
  SendMessageA(window_, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  SendMessageA(window_, WM_CONTROL_COMMAND, CMD_HELP_KEY, 0);
  SendMessageA(window_, WM_CONTROL_COMMAND, 1, 0);  // the logo button's number
  Command(IDC_FOCUS_BUTTON);
  EXPECT_FALSE(Ended());
  EXPECT_EQ(ListRect().top, kSkinHeight - 60);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"E:\\A\\", kBrowseEntry}));
}

// A client may hold the window's accessible object after the window is gone; it is then told so,
// and nothing reaches the controls.
TEST_F(SetupWindowTest, TheAccessibleObjectOutlivingTheWindowAnswersNotConnected) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  Open();
  const LPARAM client = static_cast<LONG>(OBJID_CLIENT);
  IAccessible* object = nullptr;
  ASSERT_TRUE(SUCCEEDED(ObjectFromLresult(SendMessageA(window_, WM_GETOBJECT, 0, client),
                                          __uuidof(IAccessible), 0,
                                          reinterpret_cast<void**>(&object))));
  VARIANT install;
  install.vt = VT_I4;
  install.lVal = AccessibleChildOfSlot(kInstallSlot);
  BSTR name = nullptr;
  EXPECT_EQ(object->get_accName(install, &name), S_OK);
  SysFreeString(name);
  DestroyWindow(window_);
  window_ = nullptr;
  EXPECT_EQ(object->get_accName(install, &name), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(object->accDoDefaultAction(install), CO_E_OBJNOTCONNECTED);
  object->Release();
  CoUninitialize();
}

// A picker or message box disables the window; a reader's default action must wait for it too.
TEST_F(SetupWindowTest, TheAccessibleObjectsDefaultActionWaitsForADisabledWindow) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  Open();
  IAccessible* object = nullptr;
  ASSERT_TRUE(SUCCEEDED(ObjectFromLresult(
      SendMessageA(window_, WM_GETOBJECT, 0, static_cast<LONG>(OBJID_CLIENT)),
      __uuidof(IAccessible), 0, reinterpret_cast<void**>(&object))));
  VARIANT install;
  install.vt = VT_I4;
  install.lVal = AccessibleChildOfSlot(kInstallSlot);
  EnableWindow(window_, FALSE);
  EXPECT_EQ(object->accDoDefaultAction(install), E_FAIL);
  EnableWindow(window_, TRUE);
  EXPECT_EQ(object->accDoDefaultAction(install), S_OK);
  object->Release();
  DestroyWindow(window_);
  window_ = nullptr;
  CoUninitialize();
}

// Pictures hold 0x00RRGGBB, system colours 0x00BBGGRR.
DWORD SystemColour(int index) {
  const COLORREF colour = GetSysColor(index);
  return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

int CountColour(const Picture& picture, RECT rect, DWORD colour) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) count += picture.at(x, y) == colour;
  return count;
}

// High contrast draws the window in the user's system colours, layout unchanged: no skin, the
// buttons as framed faces, the link in the hot-light colour, a focus mark two pixels wide; off
// again, the skin comes back.
TEST_F(SetupWindowTest, HighContrastDrawsInTheSystemColoursAndGivesTheSkinBack) {
  Open();
  SetupControls controls = {};
  for (int slot = 0; slot <= kFirstCheckSlot; ++slot) controls.slots[slot] = registry_.controls[slot];
  SystemColourArt art = {};
  UseSystemColours(art, registry_, controls, true);
  screen_.FocusControl(controls.slots[kFirstCheckSlot]);
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
  const Picture shown = CaptureWindow(window_);
  const struct {
    const char* part;
    POINT at;
    int colour;
  } expected[] = {
      {"window", {60, 20}, COLOR_WINDOW},
      {"Install's face", {377, 273}, COLOR_BTNFACE},
      {"Install's frame", {375, 280}, COLOR_BTNTEXT},
      {"the check box's frame", {290, 105}, COLOR_WINDOWTEXT},
      {"focus mark, outer pixel", {288, 105}, COLOR_HIGHLIGHT},
      {"focus mark, inner pixel", {289, 105}, COLOR_HIGHLIGHT},
  };
  for (const auto& pixel : expected) {
    EXPECT_EQ(shown.at(pixel.at.x, pixel.at.y), SystemColour(pixel.colour)) << pixel.part;
  }
  EXPECT_GT(CountColour(shown, RECT{300, 20, 420, 36}, SystemColour(COLOR_HOTLIGHT)), 20);
  EXPECT_GT(CountColour(shown, RECT{0, 0, kSkinWidth, 200}, SystemColour(COLOR_WINDOW)), 40000)
      << "no skin";

  UseSystemColours(art, registry_, controls, false);
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
  EXPECT_TRUE(ShowsPart(CaptureWindow(window_), 60, 20,
                        LoadBitmapPicture(GetModuleHandleA(nullptr), IDB_SKIN), 60, 20, 200, 60));
}

TEST(RunSetupWindow, ReportsAWindowThatCannotBeCreated) {
  // A module without the template: the dialog cannot be made.
  HMODULE withoutTemplate = GetModuleHandleA("kernel32.dll");
  ControlRegistry registry = {};
  Screen screen(&registry, withoutTemplate);
  EXPECT_NE(RunSetupWindow(withoutTemplate, &screen), 0);
}

}  // namespace
