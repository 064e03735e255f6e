// Opening a web page as the signed-in user, never with the installer's administrator rights.
#include "win32/user_shell.h"

#include <exdisp.h>
#include <shellapi.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlobj.h>

#include "win32/handle_guards.h"

namespace {

const int kPageShow = SW_SHOWMAXIMIZED;

// The desktop window's shell view leads to the Shell object of the Explorer that runs the desktop,
// and its ShellExecute runs in that Explorer, with the signed-in user's token.
bool OpenFromDesktopShell(const wchar_t* address) {
  ComRef<IShellWindows> windows;
  if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                              windows.receiveAny()))) {
    return false;
  }
  VARIANT none = {};
  VARIANT desktopFolder = {};
  desktopFolder.vt = VT_I4;
  desktopFolder.lVal = CSIDL_DESKTOP;
  long desktopWindow = 0;
  ComRef<IDispatch> desktop;
  ComRef<IServiceProvider> services;
  ComRef<IShellBrowser> browser;
  ComRef<IShellView> view;
  ComRef<IDispatch> background;
  ComRef<IShellFolderViewDual> folderView;
  ComRef<IDispatch> application;
  ComRef<IShellDispatch2> shell;
  if (windows->FindWindowSW(&desktopFolder, &none, SWC_DESKTOP, &desktopWindow, SWFO_NEEDDISPATCH,
                            desktop.receive()) != S_OK ||
      !desktop.valid() ||
      FAILED(desktop->QueryInterface(IID_IServiceProvider, services.receiveAny())) ||
      FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser,
                                    browser.receiveAny())) ||
      FAILED(browser->QueryActiveShellView(view.receive())) ||
      FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.receiveAny())) ||
      FAILED(background->QueryInterface(IID_IShellFolderViewDual, folderView.receiveAny())) ||
      FAILED(folderView->get_Application(application.receive())) ||
      FAILED(application->QueryInterface(IID_IShellDispatch2, shell.receiveAny()))) {
    return false;
  }
  Bstr file(SysAllocString(address));
  if (!file.valid()) return false;
  // Without memory for it the verb is null, which COM reads as an empty text: the default verb.
  Bstr verb(SysAllocString(L"open"));
  VARIANT operation = {};
  operation.vt = VT_BSTR;
  operation.bstrVal = verb.get();
  VARIANT show = {};
  show.vt = VT_I4;
  show.lVal = kPageShow;
  return shell->ShellExecute(file.get(), none, none, operation, show) == S_OK;
}

}  // namespace

bool ProcessIsElevated() {
  KernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive())) return true;
  TOKEN_ELEVATION elevation;
  DWORD size;
  BOOL known = GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size);
  return !known || elevation.TokenIsElevated != 0;
}

void OpenAsSignedInUser(HWND owner, const wchar_t* address) {
  if (ProcessIsElevated()) {
    OpenFromDesktopShell(address);
    return;
  }
  ShellExecuteW(owner, L"open", address, nullptr, nullptr, kPageShow);
}
