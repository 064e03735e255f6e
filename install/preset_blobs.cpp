// Preset blobs: payload resources that are cut into fixed-size registry values instead of files.
#include "install/preset_blobs.h"

#include <wchar.h>

#include "discovery/registry_access.h"
#include "text/path_text.h"

namespace {

constexpr PresetBlob kPresetBlobs[] = {
    {L"PresetsSketchesbin", 12, L"Portrait", 64, L"Software\\Tarnwell\\Graphitone"},
    {L"PresetsBouquetsbin", 16, L"Bouquet", 128, L"Software\\Tarnwell\\Tessarine"},
    {L"PresetsPatternsbin", 12, L"Patterns", 128, L"Software\\Tarnwell\\Tessarine"},
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

void MakeValueName(wchar_t (&name)[kValueNameSize], const wchar_t* prefix, int number) {
  const wchar_t digits[] = {static_cast<wchar_t>(L'0' + number / 10),
                            static_cast<wchar_t>(L'0' + number % 10), L'\0'};
  CopyText(name, kValueNameSize, prefix);
  AppendText(name, kValueNameSize, digits);
}

}  // namespace

const PresetBlob* FindPresetBlob(const wchar_t* fileName) {
  for (const PresetBlob& blob : kPresetBlobs) {
    if (wcsstr(fileName, blob.nameMarker)) return &blob;
  }
  return nullptr;
}

DWORD WritePresetBlob(const PresetBlob& blob, const BYTE* data, DWORD size, const PayloadJob& job) {
  DWORD wholeSlices = size / blob.sliceSize;
  int count = wholeSlices < static_cast<DWORD>(blob.valueCount) ? static_cast<int>(wholeSlices)
                                                                : blob.valueCount;
  DWORD firstError = ERROR_SUCCESS;
  for (int number = 1; number <= count; ++number) {
    wchar_t valueName[kValueNameSize];
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
