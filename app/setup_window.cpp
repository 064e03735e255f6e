// The Setup window's logic: folder list, folder picker, Install and the completion state.
#include "app/setup_window.h"

#include <shellapi.h>

#include "app/folder_list.h"
#include "app/folder_picker.h"
#include "app/install_folder.h"
#include "app/setup_layout.h"
#include "discovery/folder_tables.h"
#include "discovery/path_text.h"

namespace {

// The skin bitmap's size, which the client area takes on.
const int kSkinWidth = 500;
const int kSkinHeight = 292;
// The maker's help page, opened by the help link.
const char kHelpPage[] = "https://www.tarnwell.com/installgt.htm";
// The folder list is moved out of sight, not hidden, once the installation is complete.
const int kOutOfSightTop = 1000;

struct SetupState {
  int completed;
  FolderListState folderList;
  char installFolder[kFolderTextSize];  // ends in a backslash; files are written below it
  BROWSEINFOA pickerRequest;
  char pathBuffer[kFolderTextSize];  // picker output and where folder-list entries are composed
};

SetupState g_setup;

HWND FolderList(HWND window) { return GetDlgItem(window, kFolderListId); }

// Clicking the hidden button takes the keyboard focus off the folder list.
void MoveFocusOffFolderList(HWND window) {
  SendDlgItemMessageA(window, kFocusButtonId, BM_CLICK, 0, 0);
}

void OnInitDialog(HWND window) {
  g_setup.completed = 0;
  PrepareFolderPicker(g_setup.pickerRequest, window, g_setup.pathBuffer);
  g_setup.folderList = FillFolderList(FolderList(window), g_candidateFolders, g_setup.pathBuffer);
  MoveFocusOffFolderList(window);
  const SetupLayout layout = MakeSetupLayout(kSkinWidth, kSkinHeight);
  const RECT& list = layout.folderList;
  MoveWindow(FolderList(window), list.left, list.top, list.right, list.bottom, TRUE);
  SizeClientAndCentre(window, kSkinWidth, kSkinHeight);
}

void OnFolderListCommand(HWND window, UINT code) {
  if (code == CBN_SELCHANGE || code == CBN_SELENDCANCEL) MoveFocusOffFolderList(window);
  if (code != CBN_SELCHANGE) return;
  HWND list = FolderList(window);
  if (SendMessageA(list, CB_GETCURSEL, 0, 0) != BrowseEntryIndex(g_setup.folderList)) return;
  if (PickFolder(g_setup.pickerRequest, g_setup.pathBuffer)) {
    PutBrowsedFolder(list, g_setup.folderList, g_setup.pathBuffer);
  } else {
    SendMessageA(list, CB_SETCURSEL, 0, 0);
  }
}

void ShowCompletion(HWND window) {
  const SetupLayout layout = MakeSetupLayout(kSkinWidth, kSkinHeight);
  MoveWindow(FolderList(window), layout.listMargin, kOutOfSightTop, 50, 10, TRUE);
  InvalidateRect(window, nullptr, TRUE);
}

// Returns TRUE when the dialog was ended.
BOOL OnInstall(HWND window) {
  if (g_setup.completed) {
    EndDialog(window, 0);
    return TRUE;
  }
  if (!PrepareInstallFolder(FolderList(window), g_setup.installFolder)) return FALSE;
  g_setup.completed = 1;
  ShowCompletion(window);
  return FALSE;
}

BOOL OnCommand(HWND window, WORD id, WORD code) {
  switch (id) {
    case IDOK:
      return OnInstall(window);
    case IDCANCEL:
      EndDialog(window, 0);
      return TRUE;
    case kFolderListId:
      OnFolderListCommand(window, code);
      return FALSE;
  }
  return FALSE;
}

void OnControlCommand(HWND window, WPARAM command) {
  switch (command) {
    case kCancelCommand:
      SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
      break;
    case kInstallCommand:
      SendMessageA(window, WM_COMMAND, IDOK, 0);
      break;
    case kHelpLinkCommand:
      ShellExecuteA(window, "open", kHelpPage, nullptr, nullptr, SW_SHOWMAXIMIZED);
      break;
  }
}

}  // namespace

INT_PTR CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(window);
      return FALSE;
    case WM_HELP:
      SendMessageA(window, kControlCommandMessage, kHelpKeyCommand, 0);
      return FALSE;
    case WM_COMMAND:
      return OnCommand(window, LOWORD(wParam), HIWORD(wParam));
    case kControlCommandMessage:
      OnControlCommand(window, wParam);
      return FALSE;
  }
  return FALSE;
}

INT_PTR RunSetupWindow(HINSTANCE instance) {
  return DialogBoxParamA(instance, "main", nullptr, SetupWindowProc, 0);
}
