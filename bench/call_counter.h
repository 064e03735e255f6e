// Counts the registry and folder calls that this program makes, so that a benchmark can report
// the work done per key alongside the time, which the shared machine makes noisy.
#pragma once

struct CallCounts {
  long registry;  // RegOpenKeyExA, RegCloseKey, RegEnumValueA, RegEnumKeyExA, RegQueryValueExA
  long enter;     // SetCurrentDirectoryA
  long query;     // GetFileAttributesA
};

// Points this program's import table entries for those functions at counting stand-ins.
// False when an entry could not be found or changed.
bool StartCountingCalls();

CallCounts CountedCalls();
void ResetCallCounts();
