// The installer started with /uninstall: with /S quietly, with a log and exit codes; otherwise a
// question first and the outcome in a message box.
#pragma once

#include "unattended/command_line.h"

// Returns the exit code: kExitInstalled when everything was removed, kExitNotWritten when
// something stays (the log says what), kExitAnotherInstance, kExitCommandLine; without /S
// always 0.
int RunUninstall(const CommandLine& command);
