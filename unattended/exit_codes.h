// The exit codes of an unattended installation.
#pragma once

// The log's last line states the one it ends with.
const int kExitInstalled = 0;        // everything selected was written
const int kExitNoFolder = 1;         // no plug-in folder found and no /D=; nothing written
const int kExitNotWritten = 2;       // a folder, file or preset value not written, or the log
const int kExitAnotherInstance = 3;  // another installer is running
const int kExitCommandLine = 4;      // a switch it does not understand, or no log file
const int kExitNewerInstalled = 5;   // a newer version is installed and /ALLOWDOWNGRADE not given
