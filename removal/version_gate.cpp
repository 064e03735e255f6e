// The check for a newer installed version.
#include "removal/version_gate.h"

#include "removal/version_compare.h"

bool NewerVersionInstalled(wchar_t (&version)[kVersionTextSize]) {
  return ReadRecordedVersion(version) && CompareVersions(version, kInstallerVersion) > 0;
}

bool MayReplaceInstalledVersion(HWND owner) {
  wchar_t version[kVersionTextSize];
  if (!NewerVersionInstalled(version)) return true;
  // A recorded version is at most 31 characters: the question fits.
  wchar_t question[160];
  wsprintfW(question,
            L"A newer version (%s) of Glimmerion is installed. Replace it with this older one?",
            version);
  return MessageBoxW(owner, question, L"Glimmerion Setup",
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}
