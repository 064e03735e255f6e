// Runs the built installer as its own process and drives its window from outside, as a user and
// the desktop would: find the window, read the folder list, click, type and look at the pixels.
#pragma once

#include <windows.h>

class InstallerProcess {
 public:
  InstallerProcess() = default;
  ~InstallerProcess();  // a process still running at the end of a test is ended
  InstallerProcess(const InstallerProcess&) = delete;
  InstallerProcess& operator=(const InstallerProcess&) = delete;

  // The installer starts in currentDirectory, or in this process's when it is null, with the
  // arguments after its name on its command line; all three are UTF-8.
  bool Start(const char* installerPath, const char* currentDirectory = nullptr,
             const char* arguments = "");
  // The process's visible dialog window, or null when none shows within the time.
  HWND WaitForWindow(DWORD timeoutMs = 10000) const;
  // True when the process ended within the time; its exit code goes to exitCode.
  bool WaitForExit(DWORD* exitCode, DWORD timeoutMs = 10000) const;
  // WaitForExit, watching all the while: false when a dialog of the process became visible (its
  // window, a message box and the folder picker are all dialogs).
  bool WaitForExitUnseen(DWORD* exitCode, DWORD timeoutMs = 10000) const;
  DWORD id() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_ = {};
};

// The dialog window (class #32770) that a process shows, or null.
HWND FindDialogOf(DWORD processId);

// Sends one key press and release to the window, which is brought to the foreground first:
// the dialog manager acts only on real keyboard input. With shift, Shift is held around it.
void PressKey(HWND window, WORD virtualKey, bool shift = false);

// Posts a left click at a client point of the window.
void PostClick(HWND window, POINT client);
// Posts a pointer move to a client point of the window.
void PostMove(HWND window, POINT client);
