// Times the registry tree search over one synthetic vendor tree grown to about 1,000, 10,000 and
// 50,000 keys, and counts its registry and folder calls, which do not vary from run to run.
#include <stdio.h>
#include <windows.h>

#include "bench/bench_support.h"
#include "bench/call_counter.h"
#include "discovery/folder_tables.h"
#include "discovery/registry_search.h"
#include "win32/handle_guards.h"

namespace {

const int kSizes[] = {1000, 10000, 50000};
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

int main() {
  if (!StartCountingCalls()) return 1;
  CreateBenchPluginFolder();
  RegDeleteTreeA(HKEY_CURRENT_USER, "software\\adobe");
  RegKey editor;
  if (editor.Create(HKEY_CURRENT_USER, L"software\\adobe\\Photoshop", KEY_ALL_ACCESS) !=
      ERROR_SUCCESS) {
    return 1;
  }
  int keys = 0;
  for (int size : kSizes) {
    double start = Seconds();
    if (!GrowEditorTree(editor.get(), keys, size)) break;
    double growSeconds = Seconds() - start;
    int added = size - keys;
    keys = size;
    std::vector<double> runs;
    int repeats = size <= kRepeatedSizeLimit ? kRepeats : kLargeRepeats;
    for (int run = 0; run < repeats; ++run) runs.push_back(SearchSeconds());
    const CallCounts calls = CountedCalls();
    KeysRow("discovery: registry tree search", size, Median(runs), &calls);
    KeysRow("discovery: writing its keys (setup)", added, growSeconds, nullptr);
  }
  editor = RegKey();
  RegDeleteTreeA(HKEY_CURRENT_USER, "software\\adobe");
  return keys == kSizes[2] ? 0 : 1;
}
