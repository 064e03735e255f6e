// One installation's record and the observer that hears of what it writes: shared by the payload
// writer and the preset writer, which include it and not each other.
#pragma once

#include <windows.h>

#include "install/held_folder.h"

// Room for the name of the first file that failed, with the NUL.
const size_t kFailedNameSize = 260;

struct PayloadJob;

// One file or preset value that an installation wrote, or failed to write.
struct PayloadNote {
  const wchar_t* name;    // the file name ("" for the folder itself), or the preset value's name
  const wchar_t* subkey;  // the preset value's key under the roots; null for a file or the folder
  int roots;           // the kRoot bits of the roots that took the preset value
  DWORD size;          // bytes written
  DWORD error;         // 0 when written
  const void* data;    // the bytes written (size of them); null for a failure
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
  const wchar_t* installPath;  // 400-character folder text ending in '\\'
  int failedCount;             // resources that could not be installed
  wchar_t firstFailedName[kFailedNameSize];  // prettified name of the first; "" for the folder
  DWORD firstError;            // its Win32 error; kLinkRefusedError for a link
  HeldFolder folder;           // opened for the first file, held until the enumeration ends
  PayloadObserver* observer;   // not owned; may be null
};

// Passes the note to the job's observer, if it has one.
inline void TellJob(const PayloadJob& job, const PayloadNote& note) {
  if (job.observer) job.observer->Note(job, note);
}
