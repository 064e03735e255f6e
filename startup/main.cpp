// The installer's start-up: one instance at a time, the Setup window with exit code 0 in every
// case, with /S the unattended installation and its exit codes, or with /uninstall the removal.
#include <windows.h>

#include <new>

#include "skin/screen.h"
#include "startup/dll_search_path.h"
#include "startup/redirection_guard.h"
#include "unattended/command_line.h"
#include "removal/uninstall_run.h"
#include "unattended/unattended_install.h"
#include "win32/com_options.h"
#include "win32/handle_guards.h"
#include "window/setup_window.h"

static_assert(sizeof(char) == 1 && sizeof(int) == 4, "32-bit integer layout expected");

namespace {

// The process's one Control registry, zero-filled at start, shared by the Screen and the controls.
ControlRegistry g_controlRegistry;

struct OwnedScreenKind : NullIsEmpty<Screen*> {
  static bool Free(Handle screen) {
    delete screen;
    return true;
  }
};
using OwnedScreen = UniqueHandle<OwnedScreenKind>;

void ShowStartFailure() { MessageBoxW(nullptr, L"E", nullptr, MB_OK); }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RestrictDllSearchPath();
  EnableRedirectionGuard();
  CommandLine command = {};
  ReadCommandLine(GetCommandLineW(), &command);
  if (command.uninstall) return RunUninstall(command);
  // Without /S or /uninstall the command line means nothing.
  if (command.unattended) return RunUnattended(instance, command);
  InstanceMutex instanceMutex;
  if (instanceMutex.AnotherInstanceRuns()) return 0;
  ComApartment comApartment;
  RefuseCustomUnmarshalling();
  // The window draws every message through the Screen, so without one it cannot run.
  OwnedScreen screen(new (std::nothrow) Screen(&g_controlRegistry, instance));
  if (!screen.valid()) {
    ShowStartFailure();
    return 0;
  }
  if (RunSetupWindow(instance, screen.get()) != 0) ShowStartFailure();
  return 0;
}
