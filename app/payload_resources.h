// The payload: resources of type 3000 in the installer's own module, one per file to install.
#pragma once

#include <windows.h>

const WORD kPayloadResourceType = 3000;

// Hands the name of every payload resource of the module to onName, in resource directory order,
// until onName returns FALSE. TRUE when the enumeration ran to its end.
BOOL EnumPayloadResources(HMODULE module, ENUMRESNAMEPROCA onName, LONG_PTR param);
