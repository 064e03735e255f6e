// Protected DACLs that only administrators and the system may write through: for the uninstaller's
// folder and for the record, whose contents an elevated removal acts on.
#pragma once

#include <aclapi.h>
#include <windows.h>

// Sets a protected DACL (nothing inherited) on the open object (a folder opened with WRITE_DAC,
// SE_FILE_OBJECT, or a registry key, SE_REGISTRY_KEY): administrators and SYSTEM full control,
// users read (and run), for the object and everything below it. Returns 0, or the Win32 error.
DWORD SetAdminOnlyDacl(HANDLE object, SE_OBJECT_TYPE type);
