// The editor-specific probes: an editor's program folder from its registered program or open
// command, and the plug-in folder recorded in painter.set.
#pragma once

#include <windows.h>

// Reads the default value of root\keyPath\subkey and cuts it after its last backslash. Returns
// output (kFolderTextSize bytes) holding that folder, which begins with a drive letter and colon
// and ends in a backslash, or null with output unchanged. view: as for ReadRegString.
char* ReadProgramFolder(HKEY root, const char* keyPath, const char* subkey, char* output,
                        REGSAM view = 0);

// Finds the first path record (0x80, length byte, path, NUL) whose length byte matches its path
// and hands that path to AddCandidateFolder. Adds at most one folder; a missing file adds none.
void ScanPainterSettings(const char* path);
