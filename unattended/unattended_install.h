// The installation without a window, for deployment systems: /S on the command line. It shows
// nothing, never waits for input, and tells the outcome through its exit code and its log.
#pragma once

#include <windows.h>

#include "unattended/command_line.h"

// Installs the payload of module as the command line (with /S) says and returns the exit code
// (kExit... of unattended/install_log.h). The command's folder is then the folder installed into.
int RunUnattended(HMODULE module, CommandLine& command);
