// The uninstaller: a copy of the installer in %ProgramFiles%\Tarnwell\Glimmerion\, a folder that
// only administrators (and the system) can write, so that no standard user can replace the program
// that an administrator later starts elevated from Settings > Apps.
#pragma once

#include <windows.h>

// path = the copy's folder, ending in a backslash. False when Program Files is not known or the
// path does not fit.
bool UninstallerFolder(wchar_t (&path)[MAX_PATH]);

// Makes the folder (and Tarnwell above it, with Program Files' own rights), gives it a protected
// DACL (administrators and the system full control, users read and run) whether it is new or not,
// refusing a link in its place, and writes the running installer's file into it. copyPath = the
// copy, *size its bytes. Returns 0, or the Win32 error.
DWORD PlaceUninstaller(wchar_t (&copyPath)[MAX_PATH], DWORD* size);

// Deletes the copy and its folder. The running copy cannot be deleted on Windows but can be
// renamed: it is renamed to a random name in its folder (which stays administrators' only) and
// deleted with the folder at the next restart (*atRestart). Returns 0, or the Win32 error.
DWORD RemoveUninstaller(bool* atRestart);
