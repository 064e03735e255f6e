// Preset blobs: payload resources that are cut into fixed-size registry values instead of files.
#include "install/preset_blobs.h"

#include <string.h>

#include "discovery/registry_access.h"
#include "text/path_text.h"

namespace {

constexpr PresetBlob kPresetBlobs[] = {
    {"PresetsSketchesbin", 12, "Portrait", 64, "Software\\Tarnwell\\Graphitone"},
    {"PresetsBouquetsbin", 16, "Bouquet", 128, "Software\\Tarnwell\\Tessarine"},
    {"PresetsPatternsbin", 12, "Patterns", 128, "Software\\Tarnwell\\Tessarine"},
};

const int kValueNameSize = 16;

// A value name is the prefix and a two-digit number, so every row must leave room for both.
constexpr bool ValueNamesFit() {
  for (const PresetBlob& blob : kPresetBlobs) {
    int length = 0;
    while (blob.valuePrefix[length]) ++length;
    if (blob.valueCount > 99 || length + 3 > kValueNameSize) return false;
  }
  return true;
}
static_assert(ValueNamesFit(), "a preset value name does not fit");

void MakeValueName(char (&name)[kValueNameSize], const char* prefix, int number) {
  const char digits[] = {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10),
                         '\0'};
  CopyText(name, sizeof name, prefix);
  AppendText(name, sizeof name, digits);
}

}  // namespace

const PresetBlob* FindPresetBlob(const char* fileName) {
  for (const PresetBlob& blob : kPresetBlobs) {
    if (strstr(fileName, blob.nameMarker)) return &blob;
  }
  return nullptr;
}

DWORD WritePresetBlob(const PresetBlob& blob, const BYTE* data, DWORD size, const PayloadJob& job) {
  DWORD wholeSlices = size / blob.sliceSize;
  int count = wholeSlices < static_cast<DWORD>(blob.valueCount) ? static_cast<int>(wholeSlices)
                                                                : blob.valueCount;
  DWORD firstError = ERROR_SUCCESS;
  for (int number = 1; number <= count; ++number) {
    char valueName[kValueNameSize];
    MakeValueName(valueName, blob.valuePrefix, number);
    const BYTE* slice = data + (number - 1) * blob.sliceSize;
    int roots = 0;
    DWORD result = static_cast<DWORD>(
        WriteRegValueBothHives(valueName, blob.subkey, slice, blob.sliceSize, false, &roots));
    TellJob(job, PayloadNote{valueName, blob.subkey, roots, blob.sliceSize, result,
                                     result ? nullptr : slice});
    if (result != ERROR_SUCCESS && firstError == ERROR_SUCCESS) firstError = result;
  }
  return firstError;
}
