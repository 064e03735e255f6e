// Installs the payload: every resource of type 3000 in a module becomes a file in the install
// folder, or, for a preset blob, registry values; deselected plug-ins are skipped.
#pragma once

#include <windows.h>

#include "install/held_folder.h"

const WORD kPayloadResourceType = 3000;
// The install folder and the file name together must fit this, with the NUL.
const size_t kTargetPathSize = 500;

struct PayloadJob;

// One file or preset value that an installation wrote, or failed to write.
struct PayloadNote {
  const wchar_t* name;    // the file name ("" for the folder itself), or the preset value's name
  const wchar_t* subkey;  // the preset value's key under the roots; null for a file or the folder
  int roots;           // the kRoot bits of the roots that took the preset value
  DWORD size;          // bytes written
  DWORD error;         // 0 when written
};

// Hears of every file and preset value that an installation writes, and of every failure, as
// they happen.
class PayloadObserver {
 public:
  virtual void Note(const PayloadJob& job, const PayloadNote& note) = 0;

 protected:
  ~PayloadObserver() = default;
};

// The caller's record of one installation. Set installPath (and observer, if wanted), zero the
// rest, then enumerate.
struct PayloadJob {
  const wchar_t* installPath;   // 400-character folder text ending in '\\'
  int failedCount;             // resources that could not be installed
  wchar_t firstFailedName[260];  // prettified name of the first of them; "" for the folder itself
  DWORD firstError;            // its Win32 error; kLinkRefusedError for a link
  HeldFolder folder;           // opened for the first file, held until the enumeration ends
  PayloadObserver* observer;   // not owned; may be null
};

// Passes the note to the job's observer, if it has one.
inline void TellJob(const PayloadJob& job, const PayloadNote& note) {
  if (job.observer) job.observer->Note(job, note);
}

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
