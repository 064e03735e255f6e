// The start that every quiet run (/S) shares, installing or removing.
#pragma once

#include <windows.h>

#include "unattended/command_line.h"
#include "unattended/exit_codes.h"
#include "unattended/install_log.h"
#include "win32/handle_guards.h"

// The command line is checked first, then the single instance: another installer's run is left
// alone entirely, its log too. Critical-error boxes go off (a drive without its medium would
// otherwise ask for one that nobody inserts), then the log is made. run(log) gives the exit code,
// which the log's last line records.
template <class Run>
int RunWithLog(const CommandLine& command, Run run) {
  if (command.invalid) return kExitCommandLine;
  InstanceMutex instanceMutex;
  if (instanceMutex.AnotherInstanceRuns()) return kExitAnotherInstance;
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  InstallLog log(command.logPath);
  if (command.logPath[0] && !log.IsOpen()) return kExitCommandLine;
  return log.Close(run(log));
}
