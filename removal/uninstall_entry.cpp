// Writing the uninstall entry.
#include "removal/uninstall_entry.h"

#include "removal/install_record.h"
#include "text/bounded_text.h"
#include "win32/handle_guards.h"

namespace {

// A quoted path and a switch.
const int kCommandSize = MAX_PATH + 24;

struct TextValue {
  const wchar_t* name;
  const wchar_t* text;
};

struct NumberValue {
  const wchar_t* name;
  DWORD number;
};

bool MakeCommand(wchar_t (&command)[kCommandSize], const wchar_t* path, const wchar_t* switches) {
  return CopyText(command, kCommandSize, L"\"") && AppendText(command, kCommandSize, path) &&
         AppendText(command, kCommandSize, L"\" ") && AppendText(command, kCommandSize, switches);
}

}  // namespace

DWORD WriteUninstallEntry(const wchar_t* uninstaller, const wchar_t* installLocation,
                          DWORD estimatedKb) {
  wchar_t uninstall[kCommandSize];
  wchar_t quiet[kCommandSize];
  wchar_t icon[kCommandSize];
  if (!MakeCommand(uninstall, uninstaller, L"/uninstall") ||
      !MakeCommand(quiet, uninstaller, L"/uninstall /S") ||
      !CopyText(icon, kCommandSize, uninstaller) || !AppendText(icon, kCommandSize, L",0")) {
    return ERROR_FILENAME_EXCED_RANGE;
  }
  const TextValue texts[] = {
      {L"DisplayName", L"Glimmerion plug-in"},
      {L"Publisher", L"Tarnwell"},
      {L"DisplayVersion", kInstallerVersion},
      {L"DisplayIcon", icon},
      {L"UninstallString", uninstall},
      {L"QuietUninstallString", quiet},
      {L"InstallLocation", installLocation},
      {L"URLInfoAbout", L"https://www.tarnwell.com/installgt.htm"},
  };
  const NumberValue numbers[] = {
      {L"EstimatedSize", estimatedKb},
      {L"NoModify", 1},
      {L"NoRepair", 1},
  };
  RegKey entry;
  LONG result = entry.Create(HKEY_LOCAL_MACHINE, kUninstallEntryKey, KEY_ALL_ACCESS | kRecordView);
  for (const TextValue& value : texts) {
    if (result != ERROR_SUCCESS) break;
    result = SetText(entry.get(), value.name, value.text);
  }
  for (const NumberValue& value : numbers) {
    if (result != ERROR_SUCCESS) break;
    result = SetNumber(entry.get(), value.name, value.number);
  }
  return static_cast<DWORD>(result);
}
