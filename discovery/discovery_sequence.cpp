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
  const char* vendor;
  const char* pattern;
};

// The maker's own keys come first, with an empty pattern that every key path contains.
const VendorSearch kVendorSearches[] = {
    {"tarnwell", ""}, {"adobe", "photoshop"}, {"corel", "paint"}, {"jasc", "paint"}, {"xara", "xarax"},
};

const char kAppPaths[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
const char kOpenCommand[] = "shell\\open\\command";

void AddProgramSubfolder(HKEY root, const char* keyPath, const char* subkey, const char* subfolder,
                         const RegistryView* view = nullptr) {
  char folder[kFolderTextSize];
  if (!ReadProgramFolder(root, keyPath, subkey, folder, view ? view->flag : 0)) return;
  if (!JoinPath(folder, sizeof folder, subfolder, nullptr)) return;
  AddCandidateFolder(folder, sizeof folder, view ? view->name : nullptr);
}

}  // namespace

void RunDiscovery() {
  for (const VendorSearch& search : kVendorSearches) {
    SearchRegistryTree("software", search.vendor, search.pattern);
  }
  const RegistryViews machine = LocalMachineViews();
  for (int i = 0; i < machine.count; ++i) {
    AddProgramSubfolder(HKEY_LOCAL_MACHINE, kAppPaths, "fireworks.exe", "plug-ins", &machine.views[i]);
  }
  AddProgramSubfolder(HKEY_CLASSES_ROOT, "PI3.Image", kOpenCommand, "plugin");
  char settingsFile[kFolderTextSize];
  if (ReadProgramFolder(HKEY_CLASSES_ROOT, "PainterFile", kOpenCommand, settingsFile) &&
      JoinPath(settingsFile, sizeof settingsFile, "painter.set", nullptr)) {
    ScanPainterSettings(settingsFile);
  }
}
