// Whether a file's bytes are those of a module mapped in this process.
#pragma once

#include <windows.h>

// True when file (size bytes, hostile) is the file that image was mapped from: the headers equal
// but for ImageBase, which the loader may set; each section's raw data equal to its mapped bytes
// once the image's own relocations are taken back out and its bound import addresses are put back
// to their names; the relocation and import tables as the image has them. A writable section
// that holds neither the imports nor the resources holds variables, which the running image no
// longer vouches for, and is not compared. Bytes after the last section (an appended signature)
// are not mapped and not compared.
bool FileIsImage(const BYTE* file, DWORD size, HMODULE image);
