// No silent downgrade: a newer version in the record is replaced only when the user or the
// command line says so.
#pragma once

#include <windows.h>

#include "removal/install_record.h"

// True, with the recorded version, when the record holds a newer version than this installer's.
bool NewerVersionInstalled(wchar_t (&version)[kVersionTextSize]);

// The window's question before replacing a newer version. True when the installation may go on:
// nothing newer is installed, or the user answered Yes.
bool MayReplaceInstalledVersion(HWND owner);
