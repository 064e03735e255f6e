// The whole plug-in folder discovery, in the order that sets the folder list's order.
#include "discovery/discovery_sequence.h"

#include <windows.h>

#include "discovery/editor_probes.h"
#include "discovery/folder_tables.h"
#include "discovery/registry_search.h"
#include "discovery/registry_views.h"
#include "text/path_text.h"

namespace {

struct VendorSearch {
  const wchar_t* vendor;
  const wchar_t* pattern;
};

// The maker's own keys come first, with an empty pattern that every key path contains.
const VendorSearch kVendorSearches[] = {
    {L"tarnwell", L""}, {L"adobe", L"photoshop"}, {L"corel", L"paint"}, {L"jasc", L"paint"},
    {L"xara", L"xarax"},
};

const wchar_t kAppPaths[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
const wchar_t kOpenCommand[] = L"shell\\open\\command";

void AddProgramSubfolder(HKEY root, const wchar_t* keyPath, const wchar_t* subkey,
                         const wchar_t* subfolder, const RegistryView* view = nullptr) {
  wchar_t folder[kFolderTextSize];
  if (!ReadProgramFolder(root, keyPath, subkey, folder, view ? view->flag : 0)) return;
  if (!JoinPath(folder, kFolderTextSize, subfolder, nullptr)) return;
  AddCandidateFolder(folder, kFolderTextSize, view ? view->name : nullptr);
}

}  // namespace

void RunDiscovery() {
  for (const VendorSearch& search : kVendorSearches) {
    SearchRegistryTree(L"software", search.vendor, search.pattern);
  }
  const RegistryViews machine = LocalMachineViews();
  for (int i = 0; i < machine.count; ++i) {
    AddProgramSubfolder(HKEY_LOCAL_MACHINE, kAppPaths, L"fireworks.exe", L"plug-ins",
                        &machine.views[i]);
  }
  AddProgramSubfolder(HKEY_CLASSES_ROOT, L"PI3.Image", kOpenCommand, L"plugin");
  wchar_t settingsFile[kFolderTextSize];
  if (ReadProgramFolder(HKEY_CLASSES_ROOT, L"PainterFile", kOpenCommand, settingsFile) &&
      JoinPath(settingsFile, kFolderTextSize, L"painter.set", nullptr)) {
    ScanPainterSettings(settingsFile);
  }
}
