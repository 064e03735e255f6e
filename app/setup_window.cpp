// The Setup window's logic: skin and controls, folder list, folder picker, Install and the
// completion state.
#include "app/setup_window.h"

#include "app/folder_list.h"
#include "app/folder_picker.h"
#include "app/install_folder.h"
#include "app/install_report.h"
#include "app/setup_controls.h"
#include "app/setup_layout.h"
#include "app/user_shell.h"
#include "discovery/discovery_sequence.h"
#include "discovery/folder_tables.h"
#include "discovery/path_text.h"
#include "install/payload_writer.h"
#include "skin/bitmap_button.h"

namespace {

const unsigned kSkinImage = 222;
const unsigned kHandCursor = 120;
const COLORREF kHoverTextColour = 0xFFFFFF;
// Ends the dialog when the skin or a control cannot be made; start-up then shows its error box.
const INT_PTR kWindowIncomplete = -1;
// The maker's help page, opened by the help link.
const wchar_t kHelpPage[] = L"https://www.tarnwell.com/installgt.htm";
// The folder list is moved out of sight, not hidden, once the installation is complete.
const int kOutOfSightTop = 1000;
const int kCompletionFontHeight = 16;

const char kPromptText[] = "Select folder where setup will install files:";
const char* const kCompletionLines[] = {"   Installation completed. Please",
                                        "restart your image editor to",
                                        "activate the plug-ins installed."};
const POINT kCompletionTextOrigin = {274, 100};
const int kCompletionLineHeight = 16;

struct SetupState {
  int completed;
  Screen* screen;  // not owned
  SetupLayout layout;
  SetupControls controls;
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

// Binds the Screen to the window and makes the controls; false when the skin or a control is
// missing. Runs while the registry holds the window's device context.
bool MakeSkinAndControls(HWND window) {
  const RECT provisionalHoverText = {0, 0, 100, 20};
  g_setup.screen->SetUp(window, kSkinImage, kHandCursor, &provisionalHoverText);
  g_hoverTextColour = kHoverTextColour;
  const BitmapImage* skin = g_controlRegistry.skin;
  if (!skin) return false;
  g_setup.layout = MakeSetupLayout(skin->width, skin->height);
  g_controlRegistry.hoverTextRect = g_setup.layout.hoverText;
  return CreateSetupControls(g_setup.controls, &g_controlRegistry, skin->width, skin->height);
}

void OnInitDialog(HWND window, Screen* screen) {
  g_setup.completed = 0;
  g_setup.screen = screen;
  g_controlRegistry.paintDc = GetDC(window);
  const bool complete = MakeSkinAndControls(window);
  if (complete) {
    PrepareFolderPicker(g_setup.pickerRequest, window, g_setup.pathBuffer);
    RunDiscovery();
    g_setup.folderList = FillFolderList(FolderList(window), g_candidateFolders, g_setup.pathBuffer);
    MoveFocusOffFolderList(window);
  }
  ReleaseDC(window, g_controlRegistry.paintDc);
  g_controlRegistry.paintDc = nullptr;
  if (!complete) {
    EndDialog(window, kWindowIncomplete);
    return;
  }
  const RECT& list = g_setup.layout.folderList;
  MoveWindow(FolderList(window), list.left, list.top, list.right, list.bottom, TRUE);
  const BitmapImage* skin = g_controlRegistry.skin;
  SizeClientAndCentre(window, skin->width, skin->height);
}

void OnPaint() {
  Screen* screen = g_setup.screen;
  screen->BeginScreenPaint();
  screen->PaintScreen();
  if (g_setup.completed) {
    int y = kCompletionTextOrigin.y;
    for (const char* line : kCompletionLines) {
      screen->DrawScreenText(kCompletionTextOrigin.x, y, line);
      y += kCompletionLineHeight;
    }
  } else {
    screen->DrawScreenText(g_setup.layout.prompt.x, g_setup.layout.prompt.y, kPromptText);
  }
  screen->EndScreenPaint();
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

// The text font is replaced while the back buffer may still hold the old one.
void UseTextFont(HFONT font) {
  if (!font) return;
  if (g_controlRegistry.backBufferDc) SelectObject(g_controlRegistry.backBufferDc, font);
  if (g_textFont) DeleteObject(g_textFont);
  g_textFont = font;
}

void ShowCompletion(HWND window) {
  SetCompletionFlags(g_setup.controls);
  MoveWindow(FolderList(window), g_setup.layout.listMargin, kOutOfSightTop, 50, 10, TRUE);
  UseTextFont(CreateTextFont("ms sans serif", kCompletionFontHeight, 0));
  InvalidateRect(window, nullptr, TRUE);
}

bool BrowseEntrySelected(HWND window) {
  return SendMessageA(FolderList(window), CB_GETCURSEL, 0, 0) ==
         BrowseEntryIndex(g_setup.folderList);
}

// Writes the payload into the chosen folder. Any failure is shown and leaves the window choosing,
// so that the user can put it right and press Install again.
bool Install(HWND window) {
  if (BrowseEntrySelected(window)) {
    ReportNoFolderChosen(window);
    return false;
  }
  if (!PrepareInstallFolder(FolderList(window), g_setup.installFolder)) {
    ReportUnusableFolder(window, g_setup.installFolder);
    return false;
  }
  ExcludeClearedChecks(g_setup.controls);
  PayloadJob job = {};
  job.installPath = g_setup.installFolder;
  InstallPayload(g_controlRegistry.instance, &job);
  if (job.failedCount != 0) {
    ReportUnwrittenPayload(window, job);
    return false;
  }
  return true;
}

// Returns TRUE when the dialog was ended.
BOOL OnInstall(HWND window) {
  if (g_setup.completed) {
    EndDialog(window, 0);
    return TRUE;
  }
  if (!g_setup.controls.slots[kInstallSlot]->shown) return FALSE;
  if (SumCheckValues(g_setup.controls) == 0) return FALSE;
  if (!Install(window)) return FALSE;
  g_setup.completed = 1;
  ShowCompletion(window);
  return FALSE;
}

// The Install button is shown exactly while a plug-in is selected.
void OnCheckToggled(HWND window) {
  BitmapButton* install = static_cast<BitmapButton*>(g_setup.controls.slots[kInstallSlot]);
  if (SumCheckValues(g_setup.controls) != 0) {
    if (!install->shown) install->Show(1);
    return;
  }
  if (install->shown) install->Show(0);
  InvalidateRect(window, &install->bounds, TRUE);
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
      OpenAsSignedInUser(window, kHelpPage);
      break;
    case kCheckToggledCommand:
      OnCheckToggled(window);
      break;
  }
}

}  // namespace

INT_PTR CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnInitDialog(window, reinterpret_cast<Screen*>(lParam));
    return FALSE;
  }
  // Messages that come before WM_INITDIALOG find no Screen yet.
  if (!g_setup.screen) return FALSE;
  if (g_setup.screen->DispatchMouse(window, message, wParam, lParam)) return FALSE;
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return FALSE;
    case WM_HELP:
      SendMessageA(window, WM_CONTROL_COMMAND, kHelpKeyCommand, 0);
      return FALSE;
    case WM_COMMAND:
      return OnCommand(window, LOWORD(wParam), HIWORD(wParam));
    case WM_CONTROL_COMMAND:
      OnControlCommand(window, wParam);
      return FALSE;
  }
  return FALSE;
}

INT_PTR RunSetupWindow(HINSTANCE instance, Screen* screen) {
  return DialogBoxParamA(instance, "main", nullptr, SetupWindowProc,
                         reinterpret_cast<LPARAM>(screen));
}
