// Times writing the installer's payload, as Install does: into an empty folder and over the
// plug-in that an earlier installation left there. The payload is the installer's.
#include <stdio.h>
#include <windows.h>

#include <vector>

#include "bench/bench_support.h"
#include "install/payload_writer.h"
#include "text/path_text.h"

namespace {

const int kRuns = 11;

// Installs the module's payload into folder; seconds taken, or -1 when a resource failed.
double InstallSeconds(HMODULE installer, const char* folder) {
  wchar_t installPath[kFolderTextSize];
  if (!MultiByteToWideChar(CP_ACP, 0, folder, -1, installPath, kFolderTextSize)) return -1;
  PayloadJob job = {};
  job.installPath = installPath;
  const double start = Seconds();
  InstallPayload(installer, &job);
  const double seconds = Seconds() - start;
  if (job.failedCount == 0) return seconds;
  fprintf(stderr, "install_bench: %ls: error %lu\n", job.firstFailedName, job.firstError);
  return -1;
}

void InstallRow(const char* name, const std::vector<double>& runs, double bytes) {
  char count[32];
  char time[32];
  char rate[32];
  const double seconds = Median(runs);
  snprintf(count, sizeof count, "median of %d", static_cast<int>(runs.size()));
  snprintf(time, sizeof time, "%.4f s", seconds);
  snprintf(rate, sizeof rate, "%.0f MB/s (%.0f bytes)", bytes / seconds / 1e6, bytes);
  Row(name, count, time, rate);
}

}  // namespace

int main() {
  // The payload is linked into this program from the installer's own resource objects.
  HMODULE installer = GetModuleHandleA(nullptr);
  HRSRC payload = FindResourceA(installer, "GLIMMERION.8BF", MAKEINTRESOURCEA(kPayloadResourceType));
  const double bytes = payload ? SizeofResource(installer, payload) : 0;
  std::vector<double> intoEmpty;
  std::vector<double> overExisting;
  for (int run = 0; run < kRuns; ++run) {
    char folder[64];
    wsprintfA(folder, "D:\\Install%02d\\", run);
    const double fresh = CreateDirectoryA(folder, nullptr) ? InstallSeconds(installer, folder) : -1;
    const double again = InstallSeconds(installer, folder);
    if (fresh < 0 || again < 0) {
      fprintf(stderr, "install_bench: installing into %s failed\n", folder);
      return 1;
    }
    intoEmpty.push_back(fresh);
    overExisting.push_back(again);
  }
  InstallRow("install: payload into an empty folder", intoEmpty, bytes);
  InstallRow("install: payload over the installed plug-in", overExisting, bytes);
  return 0;
}
