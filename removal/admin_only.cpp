// Administrators-only DACLs.
#include "removal/admin_only.h"

#include <sddl.h>

#include "install/win32_error.h"
#include "win32/handle_guards.h"

DWORD SetAdminOnlyDacl(HANDLE object, SE_OBJECT_TYPE type) {
  // FA/KA: all access; 0x1200a9: read, run and list; KR: read.
  const wchar_t* sddl = type == SE_REGISTRY_KEY
                            ? L"D:P(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;CI;KR;;;BU)"
                            : L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";
  LocalMemory descriptor;
  BOOL present = FALSE;
  BOOL defaulted = FALSE;
  PACL dacl = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
          sddl, SDDL_REVISION_1, reinterpret_cast<PSECURITY_DESCRIPTOR*>(descriptor.receive()),
          nullptr) ||
      !GetSecurityDescriptorDacl(descriptor.get(), &present, &dacl, &defaulted)) {
    return LastErrorOr(ERROR_INVALID_SECURITY_DESCR);
  }
  return SetSecurityInfo(object, type,
                         DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                         nullptr, dacl, nullptr);
}
