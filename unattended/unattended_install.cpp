// The unattended installation: the window's discovery and its first folder, or the /D= folder,
// the same writes through the held folder, and a log of every step.
#include "unattended/unattended_install.h"

#include "discovery/discovery_sequence.h"
#include "discovery/folder_entry.h"
#include "discovery/folder_tables.h"
#include "install/install_folder.h"
#include "install/payload_writer.h"
#include "removal/install_registration.h"
#include "removal/version_gate.h"
#include "unattended/install_log.h"
#include "unattended/logged_run.h"
#include "win32/handle_guards.h"

namespace {

// Nothing is written over a newer version unless the command line allows it.
bool RefuseDowngrade(bool allowed, InstallLog& log) {
  wchar_t version[kVersionTextSize];
  if (allowed || !NewerVersionInstalled(version)) return false;
  log.Line(L"A newer version (%s) of Glimmerion is installed; it is replaced only with "
           L"/ALLOWDOWNGRADE",
           version);
  return true;
}

int Install(HMODULE module, wchar_t* folder, bool allowDowngrade, InstallLog& log) {
  if (RefuseDowngrade(allowDowngrade, log)) return kExitNewerInstalled;
  RunDiscovery();
  // Without /D=, the folder that the window preselects: its list's first entry.
  bool given = folder[0] != L'\0';
  for (int slot = 0; slot < CountFolderSlots(g_candidateFolders); ++slot) {
    const FolderSlot& candidate = g_candidateFolders.slots[slot];
    if (candidate.origin) log.Line(L"Found folder: %s from %s", candidate.text, candidate.origin);
    else log.Line(L"Found folder: %s", candidate.text);
    if (!folder[0]) ComposeFolderEntry(candidate, folder);
  }
  if (!folder[0]) {
    log.Line(L"No plug-in folder found, and none given with /D=");
    return kExitNoFolder;
  }
  log.Line(L"Install folder: %s", folder);
  // A folder that can be neither entered nor made fails the first file written into it, which
  // the log then names.
  bool created = false;
  MakeInstallFolder(folder, given, &created);
  InstallRecorder recorder(&log);
  PayloadJob job = {};
  job.installPath = folder;
  job.observer = &recorder;
  InstallPayload(module, &job);
  if (job.failedCount) return kExitNotWritten;
  DWORD error = RegisterInstallation(recorder, created);
  if (error != ERROR_SUCCESS) {
    log.Line(L"Failed: the record and uninstall entry: error %lu", error);
    return kExitNotWritten;
  }
  log.Line(L"Recorded for removal, with the uninstall entry");
  return kExitInstalled;
}

}  // namespace

int RunUnattended(HMODULE module, CommandLine& command) {
  return RunWithLog(command, [&](InstallLog& log) {
    return Install(module, command.folder, command.allowDowngrade, log);
  });
}
