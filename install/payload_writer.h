// Installs the payload: every resource of type 3000 in a module becomes a file in the install
// folder, or, for a preset blob, registry values; deselected plug-ins are skipped.
#pragma once

#include <windows.h>

#include "install/payload_observer.h"

const WORD kPayloadResourceType = 3000;
// The install folder and the file name together must fit this, with the NUL.
const size_t kTargetPathSize = 500;

// The EnumResourceNamesW callback; param is the PayloadJob*. Returns FALSE, stopping the
// enumeration, only for a resource that cannot be found, is empty or cannot be loaded; every
// failure, that one included, is counted in the job, and the enumeration goes on after the others.
// A numbered resource has no file name: it counts as a failure named "#". An install folder that
// is a link is refused, as a failure without a name; a plug-in file that is a link, as a failure
// of that file.
BOOL CALLBACK InstallPayloadResource(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param);

// Runs the callback over every payload resource of module, then lets the folder go. A module
// without any payload counts as one failure with an empty name.
void InstallPayload(HMODULE module, PayloadJob* job);
