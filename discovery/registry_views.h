// The views of HKEY_LOCAL_MACHINE: where Windows keeps two (a 64-bit process, or a 32-bit one
// under WOW64), discovery reads both and the preset writer writes both, the 64-bit view first.
#pragma once

#include <windows.h>

struct RegistryView {
  REGSAM flag;          // added to a key's access: KEY_WOW64_64KEY, KEY_WOW64_32KEY, or 0
  int rootBit;          // the kRoot bit (registry_access.h) of HKEY_LOCAL_MACHINE in this view
  const wchar_t* name;  // as the log names it: "HKLM (64-bit)", "HKLM (32-bit)", or "HKLM"
};

struct RegistryViews {
  const RegistryView* views;
  int count;
};

// The views of the machine this process runs on: both where Windows has two, the 64-bit one
// first; else the one view, reached without a flag.
RegistryViews LocalMachineViews();
