// The editor-specific probes: an editor's program folder from its registered program or open
// command, and the plug-in folder recorded in painter.set.
#pragma once

#include <windows.h>

// Reads the default value of root\keyPath\subkey and cuts it after its last backslash. Returns
// output (kFolderTextSize characters) holding that folder, which begins with a drive letter and
// colon and ends in a backslash, or null with output unchanged. view: as for ReadRegString.
wchar_t* ReadProgramFolder(HKEY root, const wchar_t* keyPath, const wchar_t* subkey,
                           wchar_t* output, REGSAM view = 0);

// Finds the first path record (0x80, length, path, NUL) whose length matches its path and hands
// that path to AddCandidateFolder. Adds at most one folder; a missing file adds none. The editor
// writes the file in the system code page, counting bytes; a UTF-8 byte-order mark makes it
// UTF-8 (still counted in bytes), a UTF-16 one makes every part of a record a 16-bit unit.
void ScanPainterSettings(const wchar_t* path);
