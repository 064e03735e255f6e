// The Setup window's logic: skin and controls, folder list, folder picker, Install and the
// completion state.
#include "window/setup_window.h"

#include <new>

#include "discovery/discovery_sequence.h"
#include "discovery/folder_tables.h"
#include "install/payload_writer.h"
#include "removal/install_registration.h"
#include "removal/version_gate.h"
#include "resources/resource_ids.h"
#include "skin/bitmap_button.h"
#include "text/path_text.h"
#include "win32/handle_guards.h"
#include "win32/user_shell.h"
#include "window/display_scale.h"
#include "window/dialog_key_filter.h"
#include "window/folder_list.h"
#include "window/folder_list_object.h"
#include "window/folder_picker.h"
#include "window/install_report.h"
#include "window/oleacc_functions.h"
#include "window/setup_accessible.h"
#include "window/setup_controls.h"
#include "window/setup_focus.h"
#include "window/setup_layout.h"
#include "window/setup_texts.h"
#include "window/system_colour_art.h"

namespace {

// Ends the dialog when the skin or a control cannot be made; start-up then shows its error box.
const INT_PTR kWindowIncomplete = -1;
// Opens the folder picker if the browse entry is still chosen once the drop-down list has closed.
const UINT kBrowseAfterCloseUp = WM_APP + 1;
const char kCompletionFontFace[] = "ms sans serif";
const int kCompletionFontHeight = 16;
// A key message's bit 30: the key was down already, so this press is a repeat.
const LPARAM kKeyWasDown = 1 << 30;

struct SetupState {
  bool completed;
  Screen* screen;  // not owned
  SetupLayout layout;
  SetupControls controls;
  FolderListState folderList;
  wchar_t installFolder[kFolderTextSize];  // ends in a backslash; files are written below it
  BROWSEINFOW pickerRequest;
  wchar_t pathBuffer[kFolderTextSize];  // picker output and where folder-list entries are composed
  // The folder list was reached with Tab: choosing in it keeps the keyboard focus there.
  bool listFromKeyboard;
  // A key or character for the folder list is being handled: a choice it makes opens no picker.
  bool listKeyPending;
  bool pickerOpen;
  SetupAccessible* accessible;  // one reference, given back when the window is destroyed
  SetupAccessible* listAccessible;  // the folder list's own object; likewise
  SystemColourArt* art;  // owned until the window is destroyed; null without the memory for it
};

SetupState g_setup;

ControlRegistry* Registry() { return g_setup.screen->registry(); }

HWND FolderList(HWND window) { return GetDlgItem(window, IDC_FOLDER_LIST); }

void PlaceFolderList(HWND window, const Placement& place) {
  MoveWindow(FolderList(window), place.x, place.y, place.width, place.height, TRUE);
}

// Binds the Screen to the window and makes the controls at the Screen's DPI; false when the skin
// or a control is missing. Runs while the registry holds the window's device context.
bool MakeSkinAndControls(HWND window) {
  ControlRegistry* registry = Registry();
  g_setup.screen->SetUp(window, IDB_SKIN, IDC_HAND_CURSOR, &kProvisionalHoverText);
  const BitmapImage* skin = registry->skin;
  if (!skin) return false;
  g_setup.layout = MakeSetupLayout(skin->width, skin->height, registry->dpi);
  registry->hoverTextRect = g_setup.layout.hoverText;
  return CreateSetupControls(g_setup.controls, registry, g_setup.layout);
}

// The object for the part (made on the first request), as WM_GETOBJECT answers; 0 without one.
LRESULT AccessibleObject(SetupAccessible*& object, LONG part, WPARAM flags) {
  if (!object) {
    const AccessibleSetup setup = {Registry()->window, g_setup.screen, &g_setup.controls,
                                   &g_setup.layout, &g_setup.completed,
                                   &g_setup.listFromKeyboard};
    object = new (std::nothrow) SetupAccessible(setup, part);
    if (!object) return 0;
  }
  return LoadedLresultFromObject(__uuidof(IAccessible), flags, object);
}

// The folder list outlives the window's WM_DESTROY; from then on the combo box answers alone.
LRESULT FolderListObject(WPARAM flags) {
  if (!g_setup.screen) return 0;
  return AccessibleObject(g_setup.listAccessible, kFolderListChildId, flags);
}

// Screen readers ask for the client area's object; every other object is the system's.
BOOL OnGetObject(HWND window, WPARAM flags, LPARAM objectId) {
  if (static_cast<DWORD>(objectId) != static_cast<DWORD>(OBJID_CLIENT)) return FALSE;
  const LRESULT answer = AccessibleObject(g_setup.accessible, CHILDID_SELF, flags);
  if (answer == 0) return FALSE;
  SetWindowLongPtrW(window, DWLP_MSGRESULT, answer);
  return TRUE;
}

void Disconnect(SetupAccessible*& object) {
  if (!object) return;
  ComRef<SetupAccessible> owned(object);
  object = nullptr;
  owned->Disconnect();
}

// Draws the window in the user's system colours while high contrast is on, in its skin while off.
void FollowHighContrast(HWND window) {
  if (!g_setup.art) return;
  UseSystemColours(*g_setup.art, *Registry(), g_setup.controls, HighContrastOn());
  InvalidateRect(window, nullptr, TRUE);
}

void OnInitDialog(HWND window, Screen* screen) {
  g_setup.completed = false;
  g_setup.screen = screen;
  // The window has no caption bar, but Alt+Tab, the taskbar and screen readers name it.
  SetWindowTextW(window, kProductTitle);
  ControlRegistry* registry = Registry();
  g_setup.screen->SetDpi(WindowDpi(window));
  bool complete;
  {
    WindowDc dc(window);
    registry->paintDc = dc.get();
    complete = MakeSkinAndControls(window);
    if (complete) {
      PrepareFolderPicker(g_setup.pickerRequest, window, g_setup.pathBuffer);
      RunDiscovery();
      g_setup.folderList =
          FillFolderList(FolderList(window), g_candidateFolders, g_setup.pathBuffer);
      MoveFocusOffFolderList(window);
    }
    registry->paintDc = nullptr;
  }
  if (!complete) {
    EndDialog(window, kWindowIncomplete);
    return;
  }
  PlaceFolderList(window, g_setup.layout.folderList);
  SizeClientAndCentre(window, registry->skin->width, registry->skin->height);
  // At a large scale the template itself may not have fitted on the screen, nor its centre.
  KeepOnWorkArea(window);
  AnswerForFolderList(FolderList(window), FolderListObject);
  g_setup.art = new (std::nothrow) SystemColourArt();
  FollowHighContrast(window);
}

void OnPaint() {
  Screen* screen = g_setup.screen;
  screen->BeginScreenPaint();
  screen->PaintScreen();
  if (g_setup.completed) {
    int y = g_setup.layout.completionText.y;
    for (const char* line : kCompletionLines) {
      screen->DrawScreenText(g_setup.layout.completionText.x, y, line);
      y += g_setup.layout.completionLineHeight;
    }
  } else {
    screen->DrawScreenText(g_setup.layout.prompt.x, g_setup.layout.prompt.y, kPromptText);
  }
  screen->EndScreenPaint();
}

bool BrowseEntrySelected(HWND window) {
  return SendMessageW(FolderList(window), CB_GETCURSEL, 0, 0) ==
         BrowseEntryIndex(g_setup.folderList);
}

// One picker at a time: the posted request of a close-up may arrive while the picker of the same
// choice is open.
void BrowseIfBrowseEntrySelected(HWND window) {
  if (g_setup.pickerOpen || !BrowseEntrySelected(window)) return;
  g_setup.pickerOpen = true;
  HWND list = FolderList(window);
  if (PickFolder(g_setup.pickerRequest, g_setup.pathBuffer)) {
    PutBrowsedFolder(list, g_setup.folderList, g_setup.pathBuffer);
  } else {
    SendMessageW(list, CB_SETCURSEL, 0, 0);
  }
  g_setup.pickerOpen = false;
}

void OnFolderListCommand(HWND window, UINT code) {
  if (code == CBN_SETFOCUS) g_setup.screen->FocusControl(nullptr);
  if (code == CBN_KILLFOCUS) g_setup.listFromKeyboard = false;
  // After a choice with the mouse the list would stay highlighted; a keyboard user keeps the
  // focus on it.
  if ((code == CBN_SELCHANGE || code == CBN_SELENDCANCEL) && !g_setup.listFromKeyboard)
    MoveFocusOffFolderList(window);
  // Moving through the entries with keys only chooses; the picker opens for a choice made with
  // the mouse (at once, as always) or by closing the drop-down list onto the browse entry (once
  // the list has closed).
  if (g_setup.listKeyPending) return;
  if (code == CBN_SELENDOK) PostMessageW(window, kBrowseAfterCloseUp, 0, 0);
  if (code == CBN_SELCHANGE) BrowseIfBrowseEntrySelected(window);
}

// Every user finds the focus on Finish, whose description a screen reader reads out with it; the
// mark shows for a keyboard user, whose focus was on a part of the window.
void ShowCompletion(HWND window) {
  const bool keyboardInUse = FocusInCycle(window, *g_setup.screen);
  SetCompletionFlags(g_setup.controls);
  // Out of sight and out of reach: neither Tab nor the arrow keys can choose a folder now.
  MoveFocusOffFolderList(window);
  EnableWindow(FolderList(window), FALSE);
  PlaceFolderList(window, g_setup.layout.folderListOutOfSight);
  g_setup.screen->SwitchTextFont(kCompletionFontFace, kCompletionFontHeight);
  InvalidateRect(window, nullptr, TRUE);
  for (LONG line = 0; line < kCompletionLineCount; ++line)
    NotifyWinEvent(EVENT_OBJECT_SHOW, window, OBJID_CLIENT, kFirstCompletionChildId + line);
  FocusSkinnedControl(window, *g_setup.screen, g_setup.controls, kFinishSlot, keyboardInUse);
}

// Writes the payload into the chosen folder. Any failure is shown and leaves the window choosing,
// so that the user can put it right and press Install again.
bool Install(HWND window) {
  if (BrowseEntrySelected(window)) {
    ReportNoFolderChosen(window);
    return false;
  }
  if (!MayReplaceInstalledVersion(window)) return false;
  bool created = false;
  if (!PrepareInstallFolder(FolderList(window), g_setup.installFolder, &created)) {
    ReportUnusableFolder(window, g_setup.installFolder);
    return false;
  }
  ExcludeClearedChecks(g_setup.controls);
  InstallRecorder recorder(nullptr);
  PayloadJob job = {};
  job.installPath = g_setup.installFolder;
  job.observer = &recorder;
  InstallPayload(Registry()->instance, &job);
  if (job.failedCount != 0) {
    ReportUnwrittenPayload(window, job);
    return false;
  }
  // The plug-in is in place whatever happens here.
  DWORD error = RegisterInstallation(recorder, created);
  if (error != ERROR_SUCCESS) ReportUnregisteredInstallation(window, error);
  return true;
}

// Returns TRUE when the dialog was ended.
BOOL OnInstall(HWND window) {
  if (g_setup.completed) {
    EndDialog(window, 0);
    return TRUE;
  }
  if (!g_setup.controls.slots[kInstallSlot]->shown()) return FALSE;
  if (SumCheckValues(g_setup.controls) == 0) return FALSE;
  if (!Install(window)) return FALSE;
  g_setup.completed = true;
  ShowCompletion(window);
  return FALSE;
}

// The Install button is shown exactly while a plug-in is selected.
void OnCheckToggled(HWND window) {
  NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT,
                 AccessibleChildOfSlot(kFirstCheckSlot));
  BitmapButton* install = static_cast<BitmapButton*>(g_setup.controls.slots[kInstallSlot]);
  if (SumCheckValues(g_setup.controls) != 0) {
    if (!install->shown()) install->Show(true);
    return;
  }
  if (install->shown()) install->Show(false);
  InvalidateRect(window, &install->bounds, TRUE);
}

BOOL OnCommand(HWND window, WORD id, WORD code) {
  switch (id) {
    case IDOK:
      return OnInstall(window);
    case IDCANCEL:
      EndDialog(window, 0);
      return TRUE;
    case IDC_FOLDER_LIST:
      OnFolderListCommand(window, code);
      return FALSE;
  }
  return FALSE;
}

void OnControlCommand(HWND window, WPARAM command) {
  switch (command) {
    case CMD_CANCEL:
      SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
      break;
    case CMD_INSTALL:
      SendMessageW(window, WM_COMMAND, IDOK, 0);
      break;
    case CMD_HELP_LINK:
      OpenAsSignedInUser(window, kHelpPage);
      break;
    case CMD_CHECK_TOGGLED:
      OnCheckToggled(window);
      break;
  }
}

// Another monitor's scale, or a new scale: the skin, fonts and controls are made again at the new
// DPI, with what the user did to them, and the window takes the place Windows suggests.
void OnDpiChanged(HWND window, int dpi, const RECT& suggested) {
  Screen& screen = *g_setup.screen;
  ControlRegistry* registry = Registry();
  // The images go with the controls and the skin, so they take back their own bitmaps first.
  if (g_setup.art) UseSystemColours(*g_setup.art, *registry, g_setup.controls, false);
  const ControlMemory memory = RememberControls(g_setup.controls, screen);
  screen.DestroyControls();
  screen.SetDpi(dpi);
  // The back buffer is made for the window's size, so the window takes its place first.
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  bool complete;
  {
    WindowDc dc(window);
    registry->paintDc = dc.get();
    complete = MakeSkinAndControls(window);
    registry->paintDc = nullptr;
  }
  if (!complete) {
    EndDialog(window, kWindowIncomplete);
    return;
  }
  SizeClientInPlace(window, registry->skin->width, registry->skin->height);
  screen.CreateBackBuffer(window);
  RestoreControls(g_setup.controls, screen, memory, g_setup.completed);
  PlaceFolderList(window, g_setup.completed ? g_setup.layout.folderListOutOfSight
                                            : g_setup.layout.folderList);
  InvalidateRect(window, nullptr, TRUE);
  FollowHighContrast(window);
}

// Clients may hold the accessible object longer than the window lives; from now on it answers
// them without touching the controls, which go with the Screen once the dialog has ended. The
// window itself answers no more messages, so no new object is made for a late WM_GETOBJECT.
void OnDestroy() {
  if (g_setup.art) {
    UseSystemColours(*g_setup.art, *Registry(), g_setup.controls, false);
    delete g_setup.art;
    g_setup.art = nullptr;
  }
  g_setup.screen = nullptr;
  Disconnect(g_setup.accessible);
  Disconnect(g_setup.listAccessible);
}

// The keys of the Tab cycle and of the focused skinned control, before the dialog manager.
bool OnDialogKey(const MSG& message) {
  if (!g_setup.screen) return false;
  HWND window = Registry()->window;
  HWND list = FolderList(window);
  g_setup.listKeyPending = message.hwnd == list && (message.message == WM_CHAR ||
                                                    (message.message == WM_KEYDOWN &&
                                                     message.wParam != VK_RETURN));
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
  // Enter on the closed list chooses the browse entry it shows; otherwise it is Install.
  if (message.wParam == VK_RETURN && message.hwnd == list &&
      !SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) && BrowseEntrySelected(window)) {
    BrowseIfBrowseEntrySelected(window);
    return true;
  }
  Screen& screen = *g_setup.screen;
  if (message.wParam == VK_TAB) {
    g_setup.listFromKeyboard = MoveFocusInCycle(window, screen, g_setup.controls,
                                                !g_setup.completed, GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  const bool repeat = (message.lParam & kKeyWasDown) != 0;
  return PressFocusedControl(screen, g_setup.controls, message.wParam, repeat);
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
      SendMessageW(window, WM_CONTROL_COMMAND, CMD_HELP_KEY, 0);
      return FALSE;
    case WM_COMMAND:
      return OnCommand(window, LOWORD(wParam), HIWORD(wParam));
    case WM_CONTROL_COMMAND:
      OnControlCommand(window, wParam);
      return FALSE;
    case WM_GETOBJECT:
      return OnGetObject(window, wParam, lParam);
    case WM_DPICHANGED:
      OnDpiChanged(window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    case kBrowseAfterCloseUp:
      BrowseIfBrowseEntrySelected(window);
      return FALSE;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      FollowHighContrast(window);
      return FALSE;
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
  }
  return FALSE;
}

INT_PTR RunSetupWindow(HINSTANCE instance, Screen* screen) {
  DialogKeyFilter keys(OnDialogKey);
  // A Unicode dialog: its folder list holds the folders' names in every script.
  return DialogBoxParamW(instance, L"main", nullptr, SetupWindowProc,
                         reinterpret_cast<LPARAM>(screen));
}
