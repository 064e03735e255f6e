// Running the removal, quietly or with the user.
#include "removal/uninstall_run.h"

#include <windows.h>

#include "removal/removal.h"
#include "text/bounded_text.h"
#include "unattended/install_log.h"
#include "unattended/logged_run.h"
#include "win32/handle_guards.h"

namespace {

const wchar_t kTitle[] = L"Glimmerion Setup";
// The outcome box names what stays, as many lines as fit.
const int kOutcomeSize = 2048;

class LogLines : public RemovalObserver {
 public:
  explicit LogLines(InstallLog& log) : log_(log) {}
  void Told(const wchar_t* line, bool) override { log_.Line(L"%s", line); }

 private:
  InstallLog& log_;
};

class OutcomeText : public RemovalObserver {
 public:
  void Told(const wchar_t* line, bool failed) override {
    if (failed && AppendText(text_, kOutcomeSize, L"\n")) AppendText(text_, kOutcomeSize, line);
  }
  const wchar_t* text() const { return text_; }

 private:
  wchar_t text_[kOutcomeSize] = L"Glimmerion was removed, except:\n";
};

int RunQuietly(const CommandLine& command) {
  return RunWithLog(command, [](InstallLog& log) {
    LogLines lines(log);
    return RemoveInstallation(lines) ? kExitNotWritten : kExitInstalled;
  });
}

void RunWithUser() {
  InstanceMutex instanceMutex;
  if (instanceMutex.AnotherInstanceRuns()) return;
  if (MessageBoxW(nullptr,
                  L"Remove the Glimmerion plug-in from every folder it was installed into, with "
                  L"its presets?",
                  kTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  OutcomeText outcome;
  if (!RemoveInstallation(outcome)) {
    MessageBoxW(nullptr, L"Glimmerion was removed.", kTitle, MB_OK | MB_ICONINFORMATION);
    return;
  }
  MessageBoxW(nullptr, outcome.text(), kTitle, MB_OK | MB_ICONWARNING);
}

}  // namespace

int RunUninstall(const CommandLine& command) {
  if (command.unattended) return RunQuietly(command);
  RunWithUser();
  return kExitInstalled;
}
