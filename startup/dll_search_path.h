// Keeps DLLs planted beside the installer (typically in a downloads folder) from being loaded.
#pragma once

// Restricts the DLL search path to the system folder where the system allows it, and otherwise
// at least removes the current directory from it. Call before anything can load a DLL.
void RestrictDllSearchPath();
