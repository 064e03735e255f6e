// Preset blobs: payload resources that are cut into fixed-size registry values instead of files.
#pragma once

#include <windows.h>

#include "install/payload_observer.h"

struct PresetBlob {
  const wchar_t* nameMarker;   // a prettified resource name containing this is a preset blob
  int valueCount;
  const wchar_t* valuePrefix;  // value k is named prefix + k in two digits, counted from 1
  DWORD sliceSize;
  const wchar_t* subkey;      // written under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE
};

// The preset blob whose marker the prettified name contains (first hit in table order), or null.
const PresetBlob* FindPresetBlob(const wchar_t* fileName);

// Writes the whole slices that the data holds, at most valueCount; bytes after them are ignored.
// A value counts as written when at least one root took it. Returns 0 when every value was
// written, else the first failing value's error (the later values are still written). Each value,
// written or failed, is told to the job.
DWORD WritePresetBlob(const PresetBlob& blob, const BYTE* data, DWORD size, const PayloadJob& job);
