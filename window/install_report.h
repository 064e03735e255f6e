// What the user is told when Install cannot do its work: one message box, owned by the Setup
// window, that names the folder or file and says what to do next.
#pragma once

#include <windows.h>

#include "install/payload_writer.h"

// No folder chosen: the browse entry itself was selected.
void ReportNoFolderChosen(HWND owner);
// The folder can be neither entered nor created.
void ReportUnusableFolder(HWND owner, const wchar_t* folder);
// Something of the payload was not written (the job's first failure is named), or was refused
// because the folder or the plug-in file is a link.
void ReportUnwrittenPayload(HWND owner, const PayloadJob& job);
