// The views of HKEY_LOCAL_MACHINE that this process sees.
#include "discovery/registry_views.h"

#include "discovery/registry_access.h"

namespace {

const RegistryView kOneView[] = {{0, kRootLocalMachine, L"HKLM"}};
const RegistryView kTwoViews[] = {
    {KEY_WOW64_64KEY, kRootLocalMachine64, L"HKLM (64-bit)"},
    {KEY_WOW64_32KEY, kRootLocalMachine32, L"HKLM (32-bit)"},
};

}  // namespace

RegistryViews LocalMachineViews() {
  // A 64-bit process sees its own view and, through KEY_WOW64_32KEY, the 32-bit one. On 32-bit
  // Windows the flags are ignored, so the one view is read once.
  BOOL wow64 = FALSE;
  if (sizeof(void*) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64)) {
    return {kTwoViews, 2};
  }
  return {kOneView, 1};
}
