// The entry under Windows' Uninstall key that Settings > Apps lists and deployment tools read.
#pragma once

#include <windows.h>

const wchar_t kUninstallParentKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t kUninstallEntryName[] = L"Glimmerion";
const wchar_t kUninstallEntryKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Glimmerion";

// Writes (or rewrites) the entry in the record's view: names, this installer's version, the
// uninstaller's copy (icon, /uninstall and /uninstall /S), the folder installed into last and the
// size in KB. Returns 0, or the Win32 error.
DWORD WriteUninstallEntry(const wchar_t* uninstaller, const wchar_t* installLocation,
                          DWORD estimatedKb);
