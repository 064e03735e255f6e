// Turning on RedirectionGuard at start-up.
#include "startup/redirection_guard.h"

#include <windows.h>

void EnableRedirectionGuard() {
  // SetProcessMitigationPolicy exists from Windows 8 on, so it is looked up rather than imported;
  // Windows before 10 22H2 refuses this policy, which leaves the process as it was.
  typedef BOOL(WINAPI * SetPolicyFn)(PROCESS_MITIGATION_POLICY, PVOID, SIZE_T);
  SetPolicyFn setPolicy = reinterpret_cast<SetPolicyFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetProcessMitigationPolicy")));
  if (!setPolicy) return;
  PROCESS_MITIGATION_REDIRECTION_TRUST_POLICY policy = {};
  policy.EnforceRedirectionTrust = 1;
  setPolicy(ProcessRedirectionTrustPolicy, &policy, sizeof policy);
}
