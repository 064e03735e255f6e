// The built installer run as a user runs it: one instance at a time, its window, keys and mouse,
// what it draws, what a screen reader reads, what Install writes, and exit code 0 however it ends.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <ostream>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/driver/combo_fixture.h"
#include "tests/driver/installer_process.h"
#include "tests/driver/message_box_driver.h"
#include "tests/driver/payload_reader.h"
#include "tests/driver/window_pixels.h"
#include "tests/support/platform_fixtures.h"

namespace {

// The client area takes on the skin's size.
const SIZE kExpectedClientSize = {500, 292};
const char kBrowseEntry[] = "******** BROWSE ********";
const char kProductTitle[] = "Glimmerion Setup";
const char kPlugInFile[] = "Glimmerion.8bf";

// Where the window's parts stand on the 500 x 292 skin.
const POINT kCancelButton = {437, 271};
const POINT kInstallButton = {375, 271};
const POINT kFinishButton = {435, 271};
const POINT kCheckFrame = {290, 100};
const int kCheckFrameSize = 13;
const RECT kPromptText = {20, 206, 300, 222};
const RECT kCompletionText = {274, 100, 480, 150};
const RECT kHoverText = {20, 273, 355, 293};
const int kListTopWhileChoosing = 292 - 60;

// The buttons are drawn over the skin with their white pixels left out.
const bool kButtonWhiteSkipped = true;

POINT Inside(POINT topLeft) { return POINT{topLeft.x + 5, topLeft.y + 5}; }

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    art_ = LoadLibraryExA(INSTALLER_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(art_, nullptr);
  }
  void TearDown() override { FreeLibrary(art_); }

  // Starts an installer and waits for its window and its first paint.
  HWND Open(InstallerProcess& installer) {
    EXPECT_TRUE(installer.Start(INSTALLER_PATH));
    HWND window = installer.WaitForWindow();
    EXPECT_NE(window, nullptr);
    Sleep(400);
    return window;
  }

  void ExpectExitCodeZero(const InstallerProcess& installer) {
    DWORD exitCode = 1;
    ASSERT_TRUE(installer.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
  }

  Picture Image(int id) const { return LoadBitmapPicture(art_, id); }

  bool ShowsInstallButton(HWND window) const {
    return ShowsWhole(CaptureWindow(window), kInstallButton.x, kInstallButton.y,
                      Image(IDB_INSTALL), kButtonWhiteSkipped);
  }

  std::string PayloadBytes() const { return ::PayloadBytes("GLIMMERION.8BF", art_); }

  static int ListTop(HWND window) {
    RECT list;
    GetWindowRect(GetDlgItem(window, IDC_FOLDER_LIST), &list);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&list), 2);
    return list.top;
  }

  // Clicks Install and waits for the window to leave the choosing state.
  static bool InstallAndWait(HWND window) {
    PostClick(window, Inside(kInstallButton));
    return WaitForCompletion(window);
  }

  static bool WaitForCompletion(HWND window) {
    for (int i = 0; i < 100; ++i) {
      if (ListTop(window) == 1000) {
        Sleep(400);  // the completion paint
        return true;
      }
      Sleep(50);
    }
    return false;
  }

  HMODULE art_ = nullptr;
};

// One editor's plug-in folder on E:, found through the maker's own registry key.
class OneEditorTest : public InstallerTest {
 protected:
  void SetUp() override {
    InstallerTest::SetUp();
    MakeFolders("E:\\Filters");
    SetRegString(HKEY_CURRENT_USER, kKey, "PluginFolder", "E:\\Filters");
  }
  const char* kKey = "Software\\Tarnwell\\EndToEnd";
  ScopedRegTree tree_{HKEY_CURRENT_USER, kKey};
};

TEST_F(InstallerTest, SecondInstanceExitsAtOnceWithoutAWindow) {
  InstallerProcess first;
  HWND window = Open(first);
  ASSERT_NE(window, nullptr);

  InstallerProcess second;
  ASSERT_TRUE(second.Start(INSTALLER_PATH));
  ExpectExitCodeZero(second);
  EXPECT_EQ(FindDialogOf(second.id()), nullptr);

  EXPECT_TRUE(IsWindowVisible(window));
  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(first);

  InstallerProcess next;
  window = Open(next);
  ASSERT_NE(window, nullptr);
  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(next);
}

TEST(InstallerWithoutMemory, ShowsTheErrorBoxAndEndsWithExitCodeZero) {
  InstallerProcess installer;
  ASSERT_TRUE(installer.Start(INSTALLER_WITHOUT_MEMORY_PATH));
  HWND box = WaitForMessageBox(installer.id(), "Error", 10000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(AnswerMessageBox(box).text, "E");
  DWORD exitCode = 1;
  ASSERT_TRUE(installer.WaitForExit(&exitCode));
  EXPECT_EQ(exitCode, 0u);
}

// Whether the running installer finds the DLL by name: its own LoadLibraryA, run in a thread that
// this test starts in it, searches the installer's search path.
bool LoadsByName(const InstallerProcess& installer, const char* name) {
  const SIZE_T size = lstrlenA(name) + 1;
  void* remoteName = VirtualAllocEx(installer.handle(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  if (!remoteName || !WriteProcessMemory(installer.handle(), remoteName, name, size, nullptr))
    return false;
  LPTHREAD_START_ROUTINE loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
  HANDLE thread =
      CreateRemoteThread(installer.handle(), nullptr, 0, loadLibrary, remoteName, 0, nullptr);
  if (!thread) return false;
  DWORD module = 0;  // the module handle's low 32 bits
  WaitForSingleObject(thread, 10000);
  GetExitCodeThread(thread, &module);
  CloseHandle(thread);
  return module != 0;
}

// Start-up restricts the search path before anything can load a DLL, so a DLL planted in the
// installer's current folder (a downloads folder) is never found by name.
TEST_F(InstallerTest, ADllPlantedInItsCurrentFolderIsNotFoundByName) {
  ASSERT_TRUE(CopyFileA(PLANTED_MODULE_PATH, "D:\\planted_module.dll", FALSE));
  InstallerProcess installer;
  ASSERT_TRUE(installer.Start(INSTALLER_PATH, "D:\\"));
  HWND window = installer.WaitForWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(LoadsByName(installer, "version.dll")) << "system DLLs are still found";
  EXPECT_FALSE(LoadsByName(installer, "planted_module.dll"));
  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(installer);
}

TEST_F(InstallerTest, ClientAreaHasTheSkinSizeCentredInTheWorkArea) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, kExpectedClientSize.cx);
  EXPECT_EQ(client.bottom, kExpectedClientSize.cy);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  POINT centre = {kExpectedClientSize.cx / 2, kExpectedClientSize.cy / 2};
  ClientToScreen(window, &centre);
  EXPECT_NEAR(centre.x, (work.left + work.right) / 2, 2);
  EXPECT_NEAR(centre.y, (work.top + work.bottom) / 2, 2);
}

TEST_F(InstallerTest, WithoutEditorsTheFolderListHoldsOnlyTheBrowseEntry) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, IDC_FOLDER_LIST);
  EXPECT_EQ(ComboEntries(list), std::vector<std::string>{kBrowseEntry});
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(InstallerTest, ListsTheEditorsFoldersInSearchOrder) {
  MakeFolders("E:\\Ps\\Plug-Ins");
  MakeFolders("E:\\Own");
  MakeFolders("E:\\Psp\\Plugins");
  ScopedRegTree adobe(HKEY_CURRENT_USER, "Software\\Adobe\\Photoshop");
  ScopedRegTree jasc(HKEY_LOCAL_MACHINE, "Software\\Jasc\\Paint Shop Pro");
  ScopedRegTree own(HKEY_CURRENT_USER, "Software\\Tarnwell\\EndToEnd");
  // Written in the reverse of the order in which the searches find them.
  SetRegString(HKEY_LOCAL_MACHINE, "Software\\Jasc\\Paint Shop Pro\\9", "Directory1",
               "E:\\Psp\\Plugins");
  SetRegString(HKEY_CURRENT_USER, "Software\\Adobe\\Photoshop\\9.0", "PluginPath",
               "E:\\Ps\\Plug-Ins");
  SetRegString(HKEY_CURRENT_USER, "Software\\Tarnwell\\EndToEnd", "PluginFolder", "E:\\Own");

  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, IDC_FOLDER_LIST);
  EXPECT_EQ(ComboEntries(list),
            (std::vector<std::string>{"E:\\Own\\Tarnwell\\", "E:\\Ps\\Plug-Ins\\Tarnwell\\",
                                      "E:\\Psp\\Plugins\\Tarnwell\\", kBrowseEntry}));
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(InstallerTest, ChoosingStateShowsSkinButtonsTickedBoxAndPrompt) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  Picture shown = CaptureWindow(window);
  ASSERT_EQ(shown.size.cx, kExpectedClientSize.cx);
  ASSERT_EQ(shown.size.cy, kExpectedClientSize.cy);

  const Picture skin = Image(IDB_SKIN);
  EXPECT_TRUE(ShowsPart(shown, 60, 20, skin, 60, 20, 200, 60)) << "skin in the upper left";
  EXPECT_TRUE(ShowsWhole(shown, kCancelButton.x, kCancelButton.y, Image(IDB_CANCEL),
                         kButtonWhiteSkipped));
  EXPECT_TRUE(ShowsWhole(shown, kInstallButton.x, kInstallButton.y, Image(IDB_INSTALL),
                         kButtonWhiteSkipped));
  EXPECT_FALSE(
      ShowsWhole(shown, kFinishButton.x, kFinishButton.y, Image(IDB_FINISH), kButtonWhiteSkipped))
      << "the Finish button is hidden while choosing";
  const Picture strip = Image(IDB_CHECK_STRIP);
  EXPECT_TRUE(ShowsPart(shown, kCheckFrame.x, kCheckFrame.y, strip, 2 * kCheckFrameSize, 0,
                        kCheckFrameSize, kCheckFrameSize))
      << "ticked frame";
  EXPECT_GT(CountDark(shown, RECT{310, 100, 420, 114}), 20) << "check box label";
  EXPECT_GT(CountDark(shown, kPromptText), 60) << "prompt text";
  EXPECT_TRUE(ShowsPart(shown, 274, 140, skin, 274, 140, 200, 10)) << "no completion text";
  SavePng(SCREENSHOT_DIR "/setup-window-choosing.png", shown);

  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(installer);
}

TEST_F(InstallerTest, HoverTextIsWhiteInTheBottomBandWhileThePointerIsOverTheCheckBox) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  const Picture skin = Image(IDB_SKIN);
  const int width = kHoverText.right - kHoverText.left;
  const int height = kHoverText.bottom - kHoverText.top - 1;  // the band ends at 291
  EXPECT_TRUE(ShowsPart(CaptureWindow(window), kHoverText.left, kHoverText.top, skin,
                        kHoverText.left, kHoverText.top, width, height));

  PostMove(window, Inside(kCheckFrame));
  Sleep(300);
  Picture over = CaptureWindow(window);
  EXPECT_GT(CountLight(over, kHoverText), 60);
  RECT text = LightBounds(over, kHoverText);
  EXPECT_GE(text.left, 20);
  EXPECT_LE(text.left, 23);
  EXPECT_GE(text.top, 273);
  EXPECT_LE(text.top, 277);

  PostMove(window, POINT{150, 150});
  Sleep(300);
  EXPECT_TRUE(ShowsPart(CaptureWindow(window), kHoverText.left, kHoverText.top, skin,
                        kHoverText.left, kHoverText.top, width, height));
}

TEST_F(OneEditorTest, ClearingTheCheckBoxHidesInstallAndInstallDoesNothing) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  PostClick(window, Inside(kCheckFrame));
  Sleep(400);
  Picture cleared = CaptureWindow(window);
  EXPECT_TRUE(ShowsPart(cleared, kCheckFrame.x, kCheckFrame.y, Image(IDB_CHECK_STRIP), 0, 0,
                        kCheckFrameSize, kCheckFrameSize))
      << "empty frame";
  const Picture skin = Image(IDB_SKIN);
  EXPECT_TRUE(ShowsPart(cleared, kInstallButton.x, kInstallButton.y, skin, kInstallButton.x,
                        kInstallButton.y, 60, 19))
      << "skin where the Install button was";

  PostClick(window, Inside(kInstallButton));
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  Sleep(400);
  EXPECT_FALSE(FileExists("E:\\Filters\\Tarnwell"));
  EXPECT_EQ(ListTop(window), kListTopWhileChoosing);

  PostClick(window, Inside(kCheckFrame));
  Sleep(400);
  EXPECT_TRUE(ShowsInstallButton(window));
}

// Keys reach the window's controls through the dialog's message loop; a short wait lets it act
// before the test looks.
void Press(HWND window, WORD key, bool shift = false) {
  PressKey(window, key, shift);
  Sleep(250);
}

// Install runs from its button and from the Enter key, which the dialog turns into IDOK, also
// with the focus on the check box (Enter there must not untick the plug-in).
struct InstallTrigger {
  const char* name;
  bool enterKey;
  int tabsFirst;
};

void PrintTo(const InstallTrigger& trigger, std::ostream* out) { *out << trigger.name; }

class InstallFrom : public OneEditorTest, public ::testing::WithParamInterface<InstallTrigger> {};

TEST_P(InstallFrom, WritesThePlugInAndShowsTheCompletion) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  if (GetParam().enterKey) {
    for (int i = 0; i < GetParam().tabsFirst; ++i) Press(window, VK_TAB);
    PressKey(window, VK_RETURN);
  } else {
    PostClick(window, Inside(kInstallButton));
  }
  ASSERT_TRUE(WaitForCompletion(window));
  std::string written = ReadFileBytes(std::string("E:\\Filters\\Tarnwell\\") + kPlugInFile);
  EXPECT_EQ(written.size(), 245760u);
  EXPECT_TRUE(written == PayloadBytes());

  Picture done = CaptureWindow(window);
  const Picture skin = Image(IDB_SKIN);
  EXPECT_TRUE(
      ShowsWhole(done, kFinishButton.x, kFinishButton.y, Image(IDB_FINISH), kButtonWhiteSkipped));
  EXPECT_FALSE(ShowsPart(done, kCheckFrame.x, kCheckFrame.y, Image(IDB_CHECK_STRIP),
                         2 * kCheckFrameSize, 0, kCheckFrameSize, kCheckFrameSize))
      << "no check box";
  EXPECT_GT(CountDark(done, kCompletionText), 150) << "completion text";
  EXPECT_TRUE(ShowsPart(done, kPromptText.left, kPromptText.top, skin, kPromptText.left,
                        kPromptText.top, 240, 16))
      << "neither prompt nor folder list";
  SavePng(SCREENSHOT_DIR "/setup-window-completed.png", done);
}

INSTANTIATE_TEST_SUITE_P(Triggers, InstallFrom,
                         ::testing::Values(InstallTrigger{"InstallButton", false, 0},
                                           InstallTrigger{"EnterKey", true, 0},
                                           InstallTrigger{"EnterOnTheFocusedCheckBox", true, 2}),
                         [](const ::testing::TestParamInfo<InstallTrigger>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(OneEditorTest, UnwritablePlugInIsReportedAndTheWindowKeepsChoosing) {
  MakeFolders(std::string("E:\\Filters\\Tarnwell\\") + kPlugInFile);  // a folder in its place
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  PostClick(window, Inside(kInstallButton));
  HWND box = WaitForMessageBox(installer.id(), kProductTitle, 5000);
  ASSERT_NE(box, nullptr);
  SeenMessageBox seen = AnswerMessageBox(box);
  EXPECT_EQ(seen.owner, window);
  EXPECT_NE(seen.text.find(kPlugInFile), std::string::npos) << seen.text;
  EXPECT_NE(seen.text.find("close it and try again"), std::string::npos) << seen.text;
  Sleep(300);
  EXPECT_EQ(ListTop(window), kListTopWhileChoosing);
  EXPECT_TRUE(ShowsInstallButton(window));
}

// Waits for the folder picker and cancels it; false when none appeared.
bool CancelPickerWhenShown() {
  HWND picker = nullptr;
  for (int i = 0; i < 100 && !picker; ++i) {
    Sleep(50);
    picker = FindWindowA(nullptr, "Browse for Folder");
  }
  if (!picker) return false;
  PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
  for (int i = 0; i < 100 && IsWindow(picker); ++i) Sleep(50);
  return true;
}

TEST_F(OneEditorTest, BrowseEntryOpensThePickerAndCancellingSelectsTheFirstEntry) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, IDC_FOLDER_LIST);
  SendMessageA(list, CB_SETCURSEL, 1, 0);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_FOLDER_LIST, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  ASSERT_TRUE(CancelPickerWhenShown());
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(ComboEntries(list),
            (std::vector<std::string>{"E:\\Filters\\Tarnwell\\", kBrowseEntry}));
}

// The ways out of the window; each ends the process with exit code 0 and no error box.
struct Ending {
  const char* name;
  bool installFirst;
  enum Action { kCancelButton, kFinishButton, kEscape, kInstallCommand } action;
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class WindowEnding : public OneEditorTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(WindowEnding, EndsTheProcessWithExitCodeZero) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  if (GetParam().installFirst) {
    ASSERT_TRUE(InstallAndWait(window));
  }
  switch (GetParam().action) {
    case Ending::kCancelButton:
      PostClick(window, Inside(kCancelButton));
      break;
    case Ending::kFinishButton:
      PostClick(window, Inside(kFinishButton));
      break;
    case Ending::kEscape:
      PressKey(window, VK_ESCAPE);
      break;
    case Ending::kInstallCommand:
      PostMessageA(window, WM_COMMAND, IDOK, 0);
      break;
  }
  ExpectExitCodeZero(installer);
  EXPECT_EQ(FindDialogOf(installer.id()), nullptr);
}

const Ending kEndings[] = {
    {"CancelButton", false, Ending::kCancelButton},
    {"Escape", false, Ending::kEscape},
    {"FinishButton", true, Ending::kFinishButton},
    {"EscapeAfterInstall", true, Ending::kEscape},
    {"InstallCommandAfterInstall", true, Ending::kInstallCommand},
};

INSTANTIATE_TEST_SUITE_P(Ways, WindowEnding, ::testing::ValuesIn(kEndings),
                         [](const ::testing::TestParamInfo<Ending>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(InstallerTest, HelpKeyChangesNothing) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  Picture before = CaptureWindow(window);
  PressKey(window, VK_F1);
  Sleep(300);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(ComboEntries(GetDlgItem(window, IDC_FOLDER_LIST)),
            std::vector<std::string>{kBrowseEntry});
  EXPECT_TRUE(CaptureWindow(window).pixels == before.pixels);
  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(installer);
}

TEST_F(InstallerTest, EscapeFirstClosesAnOpenFolderListThenTheWindow) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, IDC_FOLDER_LIST);
  PostClick(list, POINT{20, 5});
  for (int i = 0; i < 40 && !SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0); ++i) Sleep(50);
  ASSERT_TRUE(SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0));

  PressKey(window, VK_ESCAPE);
  for (int i = 0; i < 40 && SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0); ++i) Sleep(50);
  EXPECT_FALSE(SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_TRUE(IsWindowVisible(window));

  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(installer);
}

const char kFolderList[] = "folder list";
const char kPlugIn[] = "Glimmerion plug-in";
const char kHelpLink[] = "www.tarnwell.com";
const long kPlugInChild = 3, kInstallChild = 4, kFirstCompletionChild = 6, kFinishChild = 9;

// The window as a screen reader reads it from another process: the client object that
// AccessibleObjectFromWindow gives, and its parts by child id. (__uuidof: the 64-bit oleacc
// library gives IID_IAccessible as an import thunk.)
class ScreenReader {
 public:
  explicit ScreenReader(HWND window) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object_));
  }
  ~ScreenReader() {
    if (object_) object_->Release();
    CoUninitialize();
  }
  IAccessible* operator->() const { return object_; }
  static VARIANT Child(long id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
  }
  std::string Name(long id) const { return Text(&IAccessible::get_accName, id); }
  std::string Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), long id) const {
    return TextOf(object_, get, id);
  }
  static std::string TextOf(IAccessible* object,
                            HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                            long id) {
    BSTR value = nullptr;
    (object->*get)(Child(id), &value);
    std::string text(value, value + SysStringLen(value));
    SysFreeString(value);
    return text;
  }
  long Role(long id) const { return Number(&IAccessible::get_accRole, id); }
  long State(long id) const { return Number(&IAccessible::get_accState, id); }
  // The focused part's name; the folder list, the one part that is an object of its own, is
  // given as that object.
  std::string Focused() const {
    VARIANT focus;
    VariantInit(&focus);
    object_->get_accFocus(&focus);
    if (focus.vt == VT_I4) return Name(focus.lVal);
    const bool list = focus.vt == VT_DISPATCH;
    VariantClear(&focus);
    return list ? kFolderList : "";
  }

 private:
  long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), long id) const {
    VARIANT value;
    VariantInit(&value);
    return SUCCEEDED((object_->*get)(Child(id), &value)) ? value.lVal : -1;
  }
  IAccessible* object_ = nullptr;
};

// Where the focus goes with each Tab (or Shift+Tab), as a screen reader reads it.
struct FocusTour {
  const char* name;
  enum Start { kChoosing, kCheckCleared, kCompleted } start;
  bool shift;
  std::vector<const char*> focused;
};

void PrintTo(const FocusTour& tour, std::ostream* out) { *out << tour.name; }

class TabOrder : public OneEditorTest, public ::testing::WithParamInterface<FocusTour> {};

TEST_P(TabOrder, VisitsTheShownPartsAndWrapsAround) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  if (GetParam().start == FocusTour::kCheckCleared) PostClick(window, Inside(kCheckFrame));
  if (GetParam().start == FocusTour::kCompleted) {
    ASSERT_TRUE(InstallAndWait(window));
  }
  ScreenReader reader(window);
  const bool completed = GetParam().start == FocusTour::kCompleted;
  EXPECT_EQ(reader.Focused(), completed ? "Finish" : "")
      << "at first no part has the focus; after Install, Finish has it without its mark";
  for (const char* expected : GetParam().focused) {
    Press(window, VK_TAB, GetParam().shift);
    EXPECT_EQ(reader.Focused(), expected);
  }
  if (GetParam().start == FocusTour::kCompleted) {
    Press(window, VK_DOWN);
    EXPECT_NE(reader.Focused(), kFolderList) << "nor do the arrow keys reach the list";
  }
}

const FocusTour kFocusTours[] = {
    {"Choosing", FocusTour::kChoosing, false,
     {kFolderList, kPlugIn, "Install", "Cancel", kHelpLink, kFolderList}},
    {"ChoosingBackwards", FocusTour::kChoosing, true,
     {kHelpLink, "Cancel", "Install", kPlugIn, kFolderList, kHelpLink}},
    {"HiddenInstallSkipped", FocusTour::kCheckCleared, false,
     {kFolderList, kPlugIn, "Cancel", kHelpLink}},
    {"Completed", FocusTour::kCompleted, false, {"Finish", kHelpLink, "Finish"}},
    {"CompletedBackwards", FocusTour::kCompleted, true, {kHelpLink, "Finish"}},
};

INSTANTIATE_TEST_SUITE_P(States, TabOrder, ::testing::ValuesIn(kFocusTours),
                         [](const ::testing::TestParamInfo<FocusTour>& info) {
                           return std::string(info.param.name);
                         });

// Space on the focused check box is a click on it, and a screen reader sees the change.
TEST_F(OneEditorTest, SpaceTogglesTheFocusedCheckBoxAndHiddenInstallRefusesItsDefaultAction) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  ScreenReader reader(window);
  EXPECT_EQ(reader.State(kPlugInChild) & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
  Press(window, VK_TAB);
  Press(window, VK_TAB);
  Press(window, VK_SPACE);
  EXPECT_EQ(reader.State(kPlugInChild) & STATE_SYSTEM_CHECKED, 0);
  EXPECT_EQ(reader.State(kInstallChild), STATE_SYSTEM_INVISIBLE);
  EXPECT_FALSE(ShowsInstallButton(window));
  EXPECT_EQ(reader->accDoDefaultAction(ScreenReader::Child(kInstallChild)), E_FAIL);
  Press(window, VK_SPACE);
  EXPECT_EQ(reader.State(kPlugInChild) & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
  EXPECT_TRUE(ShowsInstallButton(window));
  EXPECT_FALSE(FileExists("E:\\Filters\\Tarnwell"));
}

TEST_F(OneEditorTest, EnterOnTheFocusedCancelEndsWithoutInstalling) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  Press(window, VK_TAB, true);  // the help link
  Press(window, VK_TAB, true);  // Cancel
  Press(window, VK_RETURN);
  ExpectExitCodeZero(installer);
  EXPECT_FALSE(FileExists("E:\\Filters\\Tarnwell"));
}

// The children of the window's client area named by one kind of WinEvent, as a screen reader
// in another process receives them while it pumps its messages.
class WinEventListener {
 public:
  WinEventListener(DWORD process, DWORD event) {
    children_.clear();
    hook_ = SetWinEventHook(event, event, nullptr, Record, process, 0, WINEVENT_OUTOFCONTEXT);
  }
  ~WinEventListener() { UnhookWinEvent(hook_); }
  std::vector<long> Children() const {
    MSG message;
    for (int i = 0; i < 20; ++i, Sleep(20))
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    return children_;
  }

 private:
  static void CALLBACK Record(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD,
                              DWORD) {
    if (object == OBJID_CLIENT) children_.push_back(child);
  }
  static std::vector<long> children_;
  HWINEVENTHOOK hook_;
};
std::vector<long> WinEventListener::children_;

// Install from the keyboard (Space on the focused button) or from a screen reader (its default
// action); either then finds the focus on Finish, and hears the completion lines as they show.
class InstallFromAccessibly : public OneEditorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(InstallFromAccessibly, WritesThePlugIn) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  ScreenReader reader(window);
  WinEventListener shown(installer.id(), EVENT_OBJECT_SHOW);
  const bool keyboard = GetParam();
  if (keyboard) {
    for (int i = 0; i < 3; ++i) Press(window, VK_TAB);  // the list, the check box, Install
    Press(window, VK_SPACE);
  } else {
    EXPECT_EQ(reader->accDoDefaultAction(ScreenReader::Child(kInstallChild)), S_OK);
  }
  ASSERT_TRUE(WaitForCompletion(window));
  EXPECT_EQ(ReadFileBytes(std::string("E:\\Filters\\Tarnwell\\") + kPlugInFile), PayloadBytes());
  EXPECT_EQ(reader.State(kFirstCompletionChild) & STATE_SYSTEM_INVISIBLE, 0);
  EXPECT_EQ(reader.Focused(), "Finish") << "for keyboard and reader users alike";
  EXPECT_EQ(shown.Children(), (std::vector<long>{kFirstCompletionChild, 7, 8}));
  EXPECT_EQ(reader.Text(&IAccessible::get_accDescription, kFinishChild),
            "Installation completed. Please restart your image editor to activate the plug-ins "
            "installed.");
}

INSTANTIATE_TEST_SUITE_P(KeyboardOrReader, InstallFromAccessibly, ::testing::Bool());

// The list reached with Tab keeps the focus while the arrow keys choose in it.
TEST_F(InstallerTest, ArrowKeysChooseInTheFolderListReachedWithTab) {
  MakeFolders("E:\\A");
  MakeFolders("E:\\B");
  ScopedRegTree own(HKEY_CURRENT_USER, "Software\\Tarnwell\\EndToEnd");
  SetRegString(HKEY_CURRENT_USER, "Software\\Tarnwell\\EndToEnd", "PluginFolder", "E:\\A");
  SetRegString(HKEY_CURRENT_USER, "Software\\Tarnwell\\EndToEnd\\B", "PluginFolder", "E:\\B");
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, IDC_FOLDER_LIST);
  ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 3) << "a third Down would open the picker";
  Press(window, VK_TAB);
  Press(window, VK_DOWN);
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 1);
  Press(window, VK_UP);
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
}

// The mouse alone never leaves a mark; the keyboard's goes with the next click elsewhere.
TEST_F(OneEditorTest, TheFocusMarkShowsOnlyAfterTabAndGoesWithAClickElsewhere) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  const Picture before = CaptureWindow(window);
  PostClick(window, Inside(kCheckFrame));
  PostClick(window, Inside(kCheckFrame));
  // A whole repaint draws the check box's label afresh (each click draws it over itself) and
  // would draw a mark for any control that had taken the focus.
  InvalidateRect(window, nullptr, TRUE);
  Sleep(400);
  EXPECT_TRUE(CaptureWindow(window).pixels == before.pixels);

  Press(window, VK_TAB);
  Press(window, VK_TAB);
  const Picture marked = CaptureWindow(window);
  // A dotted ring one pixel outside the check box and its label; the box itself is untouched.
  int changed = 0;
  for (int y = kCheckFrame.y - 1; y <= kCheckFrame.y + 16; ++y)
    for (int x = kCheckFrame.x - 1; x < 450; ++x) changed += marked.at(x, y) != before.at(x, y);
  EXPECT_GT(changed, 100);
  EXPECT_TRUE(ShowsPart(marked, kCheckFrame.x, kCheckFrame.y, Image(IDB_CHECK_STRIP),
                        2 * kCheckFrameSize, 0, kCheckFrameSize, kCheckFrameSize));
  PostClick(window, POINT{150, 150});
  Sleep(300);
  EXPECT_TRUE(CaptureWindow(window).pixels == before.pixels);
}

TEST_F(InstallerTest, AScreenReaderFindsEveryPartWithItsRoleNameAndState) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  char title[32] = "";
  GetWindowTextA(window, title, sizeof title);
  EXPECT_STREQ(title, kProductTitle);
  ScreenReader reader(window);
  EXPECT_EQ(reader.Role(CHILDID_SELF), ROLE_SYSTEM_DIALOG);
  EXPECT_EQ(reader.Name(CHILDID_SELF), kProductTitle);
  long count = 0;
  reader->get_accChildCount(&count);
  ASSERT_EQ(count, 10);
  // Every part is named; while choosing, the completion's parts are hidden, and every part shown
  // but the prompt takes the focus (the tab tour checks their names).
  const long kPromptChild = 1, kListChild = 2, kFinishChild = 9;
  for (long child = 1; child <= count; ++child) {
    SCOPED_TRACE(child);
    EXPECT_NE(reader.Name(child), "");
    const bool completion = child >= kFirstCompletionChild && child <= kFinishChild;
    const long expected = completion ? STATE_SYSTEM_INVISIBLE
                          : child == kPromptChild ? 0
                                                  : STATE_SYSTEM_FOCUSABLE;
    EXPECT_EQ(reader.State(child) & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_FOCUSABLE), expected);
  }
  // The folder list is named by the prompt above it, as a dialog's list by its label.
  EXPECT_EQ(reader.Role(kPromptChild), ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(reader.Role(kListChild), ROLE_SYSTEM_COMBOBOX);
  EXPECT_EQ(reader.Name(kListChild), reader.Name(kPromptChild));
  // So is the list's own object, which a reader reads when the list takes the focus.
  ScreenReader list(GetDlgItem(window, IDC_FOLDER_LIST));
  EXPECT_EQ(list.Name(CHILDID_SELF), reader.Name(kPromptChild));
  EXPECT_EQ(list.Text(&IAccessible::get_accValue, CHILDID_SELF), "Browse for another folder");
  EXPECT_EQ(reader.Role(kPlugInChild), ROLE_SYSTEM_CHECKBUTTON);
  EXPECT_EQ(reader.State(kPlugInChild) & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
  EXPECT_EQ(reader.Role(kFinishChild), ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(reader.Role(count), ROLE_SYSTEM_LINK);
}

// Exploring by pointer finds each shown part at the centre of its place, and a reader can move
// the focus there.
TEST_F(OneEditorTest, AScreenReaderFindsEachPartUnderThePointerAndCanFocusIt) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  ScreenReader reader(window);
  for (long child : {1L, 2L, kPlugInChild, kInstallChild, 5L, 10L}) {
    SCOPED_TRACE(child);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(reader->accLocation(&left, &top, &width, &height, ScreenReader::Child(child)), S_OK);
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(reader->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
    if (hit.vt == VT_DISPATCH) {
      IAccessible* part = nullptr;
      hit.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&part));
      ASSERT_NE(part, nullptr);
      EXPECT_EQ(ScreenReader::TextOf(part, &IAccessible::get_accName, CHILDID_SELF),
                reader.Name(child));
      part->Release();
    } else {
      EXPECT_EQ(hit.vt, VT_I4);
      EXPECT_EQ(hit.lVal, child);
    }
    VariantClear(&hit);
  }
  EXPECT_EQ(reader->accSelect(SELFLAG_TAKEFOCUS, ScreenReader::Child(kInstallChild)), S_OK);
  EXPECT_EQ(reader.Focused(), "Install");
  EXPECT_EQ(reader->accSelect(SELFLAG_TAKEFOCUS, ScreenReader::Child(2)), S_OK);
  Press(window, VK_DOWN);
  EXPECT_EQ(reader.Focused(), kFolderList) << "the arrow keys choose without taking the focus";
}

// Arrowing onto the browse entry, in the closed list or the dropped one, only chooses it; Enter
// (on the list, or closing the drop-down list) then opens the picker.
struct BrowseByKeys {
  const char* name;
  std::vector<WORD> keys;  // after Tab to the list, before Enter
};

void PrintTo(const BrowseByKeys& browse, std::ostream* out) { *out << browse.name; }

class BrowseEntryByKeys : public OneEditorTest,
                          public ::testing::WithParamInterface<BrowseByKeys> {};

TEST_P(BrowseEntryByKeys, ArrowsOpenNothingUntilEnter) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, IDC_FOLDER_LIST);
  Press(window, VK_TAB);
  for (WORD key : GetParam().keys) Press(window, key);
  Sleep(500);
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(FindWindowA(nullptr, "Browse for Folder"), nullptr);
  PressKey(window, VK_RETURN);
  ASSERT_TRUE(CancelPickerWhenShown());
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
}

const BrowseByKeys kBrowseByKeys[] = {
    {"ClosedList", {VK_DOWN}},
    {"DroppedList", {VK_F4, VK_DOWN}},
};

INSTANTIATE_TEST_SUITE_P(Lists, BrowseEntryByKeys, ::testing::ValuesIn(kBrowseByKeys),
                         [](const ::testing::TestParamInfo<BrowseByKeys>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
