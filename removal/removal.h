// Removing what the record names: each plug-in file still as it was written, each folder the
// installer made once it is empty, the preset values, then the record, the uninstall entry and the
// uninstaller's copy.
#pragma once

#include <windows.h>

// Hears of every step of a removal, one line of text each.
class RemovalObserver {
 public:
  // failed: something stays that the removal should have taken; the line names it and says why.
  virtual void Told(const wchar_t* line, bool failed) = 0;

 protected:
  ~RemovalObserver() = default;
};

// Returns the number of things that were not removed. Files changed since they were written and
// links in a recorded folder's or file's place are left (and counted); a file or value that could
// not be removed for another reason (a running editor holding the plug-in) keeps the record, the
// entry and the uninstaller, so that removal can be started again.
int RemoveInstallation(RemovalObserver& observer);
