// For the demo run without a display: starts the installer, saves pictures of its window before
// and after Install (PNG), and ends it with the Finish button.
// Usage: demo_snapshot INSTALLER.exe FOLDER [SUFFIX]; the pictures' names end in SUFFIX (as
// "-200"). Exit code 0 when both pictures were saved, the installation completed and the
// installer ended with 0. The window may be at any display scale.
#include <stdio.h>
#include <windows.h>

#include <string>

#include "resources/resource_ids.h"
#include "tests/driver/installer_process.h"
#include "tests/driver/window_pixels.h"

namespace {

// At 100 %; the window's width tells its scale (the skin is 500 pixels wide at 100 %).
const POINT kInstallButton = {380, 276};
const POINT kFinishButton = {440, 276};
const int kSkinWidth = 500;
const int kListTopOutOfSight = 1000;

int ClientWidth(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return client.right;
}

POINT Scaled(HWND window, POINT point) {
  const int width = ClientWidth(window);
  return POINT{MulDiv(point.x, width, kSkinWidth), MulDiv(point.y, width, kSkinWidth)};
}

bool Save(const std::string& path, HWND window) {
  bool saved = SavePng(path, CaptureWindow(window));
  printf("%s %s\n", saved ? "saved" : "could not save", path.c_str());
  return saved;
}

bool FolderListOutOfSight(HWND window) {
  RECT list;
  GetWindowRect(GetDlgItem(window, IDC_FOLDER_LIST), &list);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&list), 2);
  return list.top == MulDiv(kListTopOutOfSight, ClientWidth(window), kSkinWidth);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    fprintf(stderr, "usage: demo_snapshot INSTALLER.exe FOLDER [SUFFIX]\n");
    return 2;
  }
  // The installer is DPI-aware: seen from an unaware process, its window would be scaled down.
  SetProcessDPIAware();
  const std::string folder = argv[2];
  const std::string suffix = argc == 4 ? argv[3] : "";
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
  bool saved = Save(folder + "\\setup-window-choosing" + suffix + ".png", window);

  PostClick(window, Scaled(window, kInstallButton));
  bool completed = false;
  for (int i = 0; i < 100 && !completed; ++i) {
    Sleep(50);
    completed = FolderListOutOfSight(window);
  }
  printf("the installation %s\n", completed ? "completed" : "did not complete");
  Sleep(500);
  saved = Save(folder + "\\setup-window-completed" + suffix + ".png", window) && saved;

  PostClick(window, Scaled(window, completed ? kFinishButton : kInstallButton));
  if (!completed) PressKey(window, VK_ESCAPE);
  DWORD exitCode = 1;
  bool ended = installer.WaitForExit(&exitCode);
  printf("the installer %s with exit code %lu\n", ended ? "ended" : "did not end", exitCode);
  return saved && completed && ended && exitCode == 0 ? 0 : 1;
}
