// The built installer run as a user runs it: one instance at a time, its window, keys and mouse,
// and exit code 0 however it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/app/combo_fixture.h"
#include "tests/app/installer_process.h"

namespace {

// The client area takes on the skin's size.
const SIZE kExpectedClientSize = {500, 292};
const int kFolderListId = 1033;
const char kBrowseEntry[] = "******** BROWSE ********";

class InstallerTest : public ::testing::Test {
 protected:
  // Starts an installer and waits for its window.
  HWND Open(InstallerProcess& installer) {
    EXPECT_TRUE(installer.Start(INSTALLER_PATH));
    HWND window = installer.WaitForWindow();
    EXPECT_NE(window, nullptr);
    return window;
  }

  void ExpectExitCodeZero(const InstallerProcess& installer) {
    DWORD exitCode = 1;
    ASSERT_TRUE(installer.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
  }
};

TEST_F(InstallerTest, EscapeEndsItWithExitCodeZero) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(installer);
}

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
}

TEST_F(InstallerTest, NextInstanceRunsOnceTheFirstHasEnded) {
  InstallerProcess first;
  HWND window = Open(first);
  ASSERT_NE(window, nullptr);
  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(first);

  InstallerProcess next;
  window = Open(next);
  ASSERT_NE(window, nullptr);
  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(next);
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
  HWND list = GetDlgItem(window, kFolderListId);
  EXPECT_EQ(ComboEntries(list), std::vector<std::string>{kBrowseEntry});
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(InstallerTest, FolderListIsDrawnInTheBottomBand) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  Sleep(300);  // let the first paint reach the screen
  SIZE size;
  std::vector<DWORD> pixels = CaptureClientArea(window, &size);
  ASSERT_EQ(size.cx, kExpectedClientSize.cx);
  ASSERT_EQ(size.cy, kExpectedClientSize.cy);

  RECT list;
  GetWindowRect(GetDlgItem(window, kFolderListId), &list);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&list), 2);
  // The entry's text is drawn dark on the list's light field.
  int dark = 0;
  for (int y = list.top; y < list.bottom && y < size.cy; ++y) {
    for (int x = list.left; x < list.right && x < size.cx; ++x) {
      DWORD pixel = pixels[static_cast<size_t>(y) * size.cx + x];
      if ((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF) < 3 * 64) ++dark;
    }
  }
  EXPECT_GT(dark, 20);
}

// Keys that a dialog often answers but this window leaves alone.
struct Key {
  const char* name;
  WORD virtualKey;
};

void PrintTo(const Key& key, std::ostream* out) { *out << key.name; }

class IgnoredKey : public InstallerTest, public ::testing::WithParamInterface<Key> {};

TEST_P(IgnoredKey, ChangesNothing) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  PressKey(window, GetParam().virtualKey);
  Sleep(300);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(ComboEntries(GetDlgItem(window, kFolderListId)), std::vector<std::string>{kBrowseEntry});
  PressKey(window, VK_ESCAPE);
  ExpectExitCodeZero(installer);
}

INSTANTIATE_TEST_SUITE_P(Keys, IgnoredKey,
                         ::testing::Values(Key{"Enter", VK_RETURN}, Key{"F1", VK_F1}),
                         [](const ::testing::TestParamInfo<Key>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(InstallerTest, EscapeFirstClosesAnOpenFolderListThenTheWindow) {
  InstallerProcess installer;
  HWND window = Open(installer);
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, kFolderListId);
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

}  // namespace
