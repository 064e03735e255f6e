// Times the installer's start-up from outside, as a user sees it: from process creation until its
// window is on the screen and painted for the first time; beside it, the same for a bare dialog
// (the floor that Wine and this machine allow), with an empty registry and with 10,000 editor keys.
// Then an unattended installation (/S) from process creation to exit, as a deployment system
// waits for it.
//
// "Painted" means: the window's client area on the screen shows the picture that the window
// settles on. Before its first paint the screen shows what lies below the window, or an unpainted
// surface; Wine puts a window's pixels on the screen only once its paint is done (and its thread
// goes back to waiting for messages), so the first capture equal to the settled picture marks the
// end of the first paint, whatever the window draws: a plain dialog, or a skin and its controls
// after the paint's own wait. The settled picture is taken, per program and registry, from one
// untimed run that waits until the picture has not changed for a while.
#include <stdio.h>
#include <windows.h>

#include <vector>

#include "bench/bench_support.h"
#include "tests/driver/installer_process.h"
#include "tests/driver/window_pixels.h"
#include "win32/handle_guards.h"

namespace {

const int kRuns = 11;
const DWORD kGiveUpMs = 20000;
const double kSettledSeconds = 1.0;  // unchanged this long: the picture is the settled one
const int kKeysPerEditor = 2000;     // five editors: 10,000 keys

struct Editor {
  const wchar_t* vendorKey;
  const wchar_t* editorKey;
};
// One editor per vendor that discovery searches, named so that its search pattern matches.
const Editor kEditors[] = {
    {L"software\\tarnwell", L"software\\tarnwell\\Bench Editor"},
    {L"software\\adobe", L"software\\adobe\\Photoshop"},
    {L"software\\corel", L"software\\corel\\Paint Shop"},
    {L"software\\jasc", L"software\\jasc\\Paint Shop Pro"},
    {L"software\\xara", L"software\\xara\\XaraX"},
};

void DeleteEditorKeys() {
  for (const Editor& editor : kEditors) RegDeleteTreeW(HKEY_CURRENT_USER, editor.vendorKey);
}

bool WriteEditorKeys() {
  for (const Editor& editor : kEditors) {
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, editor.editorKey, KEY_ALL_ACCESS) != ERROR_SUCCESS ||
        !GrowEditorTree(key.get(), 0, kKeysPerEditor)) {
      return false;
    }
  }
  return true;
}

bool SamePicture(const Picture& a, const Picture& b) {
  return a.size.cx == b.size.cx && a.size.cy == b.size.cy && a.pixels == b.pixels;
}

// Closes the window as the user's Escape would, and waits for the process to end.
bool Close(const InstallerProcess& process, HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  DWORD exitCode = 0;
  return process.WaitForExit(&exitCode, kGiveUpMs) && exitCode == 0;
}

// Starts the program; with settled null, returns the seconds until the window shows that picture;
// otherwise waits until the picture stops changing and stores it. -1 when that does not happen.
double RunOnce(const char* path, const Picture& expected, Picture* settled) {
  InstallerProcess process;
  const double start = Seconds();
  if (!process.Start(path)) return -1;
  HWND window = nullptr;
  Picture last;
  double lastChange = 0;
  double seconds = -1;
  while (Seconds() - start < kGiveUpMs / 1000.0) {
    if (!window) window = FindDialogOf(process.id());
    if (window) {
      Picture now = CaptureWindow(window);
      const double at = Seconds() - start;
      if (!settled && SamePicture(now, expected)) {
        seconds = at;
        break;
      }
      if (settled && !SamePicture(now, last)) {
        last = now;
        lastChange = at;
      } else if (settled && at - lastChange >= kSettledSeconds) {
        *settled = last;
        seconds = at;
        break;
      }
    }
    Sleep(1);
  }
  if (!window || !Close(process, window)) return -1;
  return seconds;
}

struct Subject {
  const char* name;
  const char* path;
  Picture settled;
  std::vector<double> runs;
};

// One untimed run per subject for its settled picture (it also warms the caches), then the runs
// alternate between the subjects so that a slow spell of the machine hits both alike.
bool Measure(Subject* subjects, int count) {
  for (int i = 0; i < count; ++i) {
    if (RunOnce(subjects[i].path, Picture(), &subjects[i].settled) < 0) return false;
  }
  for (int run = 0; run < kRuns; ++run) {
    for (int i = 0; i < count; ++i) {
      double seconds = RunOnce(subjects[i].path, subjects[i].settled, nullptr);
      if (seconds < 0) return false;
      subjects[i].runs.push_back(seconds);
    }
  }
  return true;
}

void StartupRow(const char* name, const std::vector<double>& runs, double floor) {
  char count[32];
  char time[32];
  char ratio[32];
  snprintf(count, sizeof count, "median of %d", static_cast<int>(runs.size()));
  snprintf(time, sizeof time, "%.3f s", Median(runs));
  snprintf(ratio, sizeof ratio, "%.2f x floor", Median(runs) / floor);
  Row(name, count, time, ratio);
}

// Seconds from process creation to exit of an installation with /S and these switches; -1 when
// it fails.
double UnattendedSeconds(const char* arguments) {
  InstallerProcess process;
  const double start = Seconds();
  DWORD exitCode = 1;
  if (!process.Start(INSTALLER_PATH, nullptr, arguments) ||
      !process.WaitForExit(&exitCode, kGiveUpMs) || exitCode != 0) {
    return -1;
  }
  return Seconds() - start;
}

// The unattended installation into an empty folder and over the plug-in that it leaves there,
// alternating.
bool MeasureUnattended(double floor) {
  const char arguments[] = "/S /D=D:\\Bench\\Unattended";
  if (!CreateDirectoryA("D:\\Bench\\Unattended", nullptr)) return false;
  std::vector<double> intoEmpty;
  std::vector<double> overPlugIn;
  for (int run = 0; run < kRuns; ++run) {
    DeleteFileA("D:\\Bench\\Unattended\\Glimmerion.8bf");
    intoEmpty.push_back(UnattendedSeconds(arguments));
    overPlugIn.push_back(UnattendedSeconds(arguments));
    if (intoEmpty.back() < 0 || overPlugIn.back() < 0) return false;
  }
  StartupRow("unattended: start to exit, empty folder", intoEmpty, floor);
  StartupRow("unattended: start to exit, over plug-in", overPlugIn, floor);
  return true;
}

}  // namespace

int main() {
  if (!CreateBenchPluginFolder()) return 1;
  DeleteEditorKeys();
  Subject empty[] = {{"bare dialog", BARE_DIALOG_PATH, {}, {}},
                     {"installer", INSTALLER_PATH, {}, {}}};
  Subject full[] = {{"bare dialog", BARE_DIALOG_PATH, {}, {}},
                    {"installer", INSTALLER_PATH, {}, {}}};
  bool measured = Measure(empty, 2) && WriteEditorKeys() && Measure(full, 2);
  DeleteEditorKeys();
  if (!measured) return 1;

  std::vector<double> bare = empty[0].runs;
  bare.insert(bare.end(), full[0].runs.begin(), full[0].runs.end());
  const double floor = Median(bare);
  StartupRow("start-up: bare dialog (floor)", bare, floor);
  StartupRow("start-up: installer, empty registry", empty[1].runs, floor);
  StartupRow("start-up: installer, 10,000 keys", full[1].runs, floor);
  return MeasureUnattended(floor) ? 0 : 1;
}
