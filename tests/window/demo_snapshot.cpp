// For the demo run without a display: starts the installer, saves pictures of its window before
// and after Install (PNG), and ends it with the Finish button.
// Usage: demo_snapshot INSTALLER.exe FOLDER; exit code 0 when both pictures were saved, the
// installation completed and the installer ended with 0.
#include <stdio.h>
#include <windows.h>

#include <string>

#include "resources/resource_ids.h"
#include "tests/driver/installer_process.h"
#include "tests/driver/window_pixels.h"

namespace {

const POINT kInstallButton = {380, 276};
const POINT kFinishButton = {440, 276};

bool Save(const std::string& path, HWND window) {
  bool saved = SavePng(path, CaptureWindow(window));
  printf("%s %s\n", saved ? "saved" : "could not save", path.c_str());
  return saved;
}

bool FolderListOutOfSight(HWND window) {
  RECT list;
  GetWindowRect(GetDlgItem(window, IDC_FOLDER_LIST), &list);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&list), 2);
  return list.top == 1000;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: demo_snapshot INSTALLER.exe FOLDER\n");
    return 2;
  }
  const std::string folder = argv[2];
  InstallerProcess installer;
  if (!installer.Start(argv[1])) {
    fprintf(stderr, "cannot start %s\n", argv[1]);
    return 1;
  }
  HWND window = installer.WaitForWindow();
  if (!window) {
    fprintf(stderr, "the installer showed no window\n");
    return 1;
  }
  Sleep(500);  // let the first paint reach the screen
  bool saved = Save(folder + "\\setup-window-choosing.png", window);

  PostClick(window, kInstallButton);
  bool completed = false;
  for (int i = 0; i < 100 && !completed; ++i) {
    Sleep(50);
    completed = FolderListOutOfSight(window);
  }
  printf("the installation %s\n", completed ? "completed" : "did not complete");
  Sleep(500);
  saved = Save(folder + "\\setup-window-completed.png", window) && saved;

  PostClick(window, completed ? kFinishButton : kInstallButton);
  if (!completed) PressKey(window, VK_ESCAPE);
  DWORD exitCode = 1;
  bool ended = installer.WaitForExit(&exitCode);
  printf("the installer %s with exit code %lu\n", ended ? "ended" : "did not end", exitCode);
  return saved && completed && ended && exitCode == 0 ? 0 : 1;
}
