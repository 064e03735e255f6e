// Times the registry tree search over one synthetic vendor tree grown to about 1,000, 10,000 and
// 50,000 keys, and counts its registry and folder calls, which do not vary from run to run. With
// --both-views (in a 64-bit prefix) the tree lies in HKEY_LOCAL_MACHINE, half in each view, and
// the search reads both.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "bench/bench_support.h"
#include "bench/call_counter.h"
#include "discovery/folder_tables.h"
#include "discovery/registry_search.h"
#include "discovery/registry_views.h"
#include "win32/handle_guards.h"

namespace {

const int kSizes[] = {1000, 10000, 50000};
// Both views: every key is written twice as often, so the largest tree is left out.
const int kViewSizes[] = {1000, 10000};
const wchar_t kEditorKey[] = L"software\\adobe\\Photoshop";

// Where the tree lies: one root in one view.
struct TreePlace {
  HKEY root;
  REGSAM view;
};

void DeleteVendorTree(const TreePlace& place) {
  RegKey vendor;
  if (vendor.Open(place.root, L"software\\adobe", KEY_ALL_ACCESS | place.view) != ERROR_SUCCESS) {
    return;
  }
  RegDeleteTreeA(vendor.get(), nullptr);
  vendor = RegKey();
  RegDeleteKeyExA(place.root, "software\\adobe", place.view, 0);
}
// The machine is shared: sizes up to this many keys are searched several times and the median
// is shown; the largest tree is searched once, to keep make bench to a few minutes.
const int kRepeatedSizeLimit = 10000;
const int kRepeats = 5;
const int kLargeRepeats = 1;

double SearchSeconds() {
  g_candidateFolders = FolderTable();
  ResetCallCounts();
  double start = Seconds();
  SearchRegistryTree(L"software", L"adobe", L"photoshop");
  return Seconds() - start;
}

void KeysRow(const char* name, int size, double seconds, const CallCounts* calls) {
  char keys[32];
  char time[32];
  char cost[128];
  snprintf(keys, sizeof keys, "%d keys", size);
  snprintf(time, sizeof time, "%.3f s", seconds);
  int used = snprintf(cost, sizeof cost, "%.1f us per key", seconds * 1e6 / size);
  if (calls) {
    snprintf(cost + used, sizeof cost - used, "; calls per key: %.1f registry, %.1f enter + %.1f query folder",
             static_cast<double>(calls->registry) / size, static_cast<double>(calls->enter) / size,
             static_cast<double>(calls->query) / size);
  }
  Row(name, keys, time, cost);
}

}  // namespace

int main(int argc, char** argv) {
  const bool bothViews = argc > 1 && strcmp(argv[1], "--both-views") == 0;
  if (bothViews && LocalMachineViews().count != 2) return 1;
  const TreePlace userPlace[] = {{HKEY_CURRENT_USER, 0}};
  const TreePlace machinePlaces[] = {{HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY},
                                     {HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY}};
  const TreePlace* places = bothViews ? machinePlaces : userPlace;
  const int placeCount = bothViews ? 2 : 1;
  const int* sizes = bothViews ? kViewSizes : kSizes;
  const int sizeCount = bothViews ? 2 : 3;
  const char* searchRow =
      bothViews ? "discovery: tree search, both HKLM views" : "discovery: registry tree search";
  if (!StartCountingCalls()) return 1;
  CreateBenchPluginFolder();
  RegKey editors[2];
  for (int i = 0; i < placeCount; ++i) {
    DeleteVendorTree(places[i]);
    if (editors[i].Create(places[i].root, kEditorKey, KEY_ALL_ACCESS | places[i].view) !=
        ERROR_SUCCESS) {
      return 1;
    }
  }
  // Each view holds half the keys; keys below a view's editor key stay in that view.
  int keys = 0;
  for (int s = 0; s < sizeCount; ++s) {
    const int size = sizes[s];
    double start = Seconds();
    bool grown = true;
    for (int i = 0; i < placeCount; ++i) {
      grown = grown && GrowEditorTree(editors[i].get(), keys / placeCount, size / placeCount);
    }
    if (!grown) break;
    double growSeconds = Seconds() - start;
    int added = size - keys;
    keys = size;
    std::vector<double> runs;
    int repeats = size <= kRepeatedSizeLimit ? kRepeats : kLargeRepeats;
    for (int run = 0; run < repeats; ++run) runs.push_back(SearchSeconds());
    const CallCounts calls = CountedCalls();
    KeysRow(searchRow, size, Median(runs), &calls);
    KeysRow("discovery: writing its keys (setup)", added, growSeconds, nullptr);
  }
  for (int i = 0; i < placeCount; ++i) {
    editors[i] = RegKey();
    DeleteVendorTree(places[i]);
  }
  return keys == sizes[sizeCount - 1] ? 0 : 1;
}
