// Helpers for the payload tests.
#include "tests/install/install_fixtures.h"

#include <algorithm>

PayloadJob NewJob(const char* installPath) {
  PayloadJob job = {};
  job.installPath = installPath;
  return job;
}

BOOL InstallOne(PayloadJob* job, const char* name) {
  std::string copy = IS_INTRESOURCE(name) ? std::string() : name;
  LPSTR passed = IS_INTRESOURCE(name) ? const_cast<LPSTR>(name) : &copy[0];
  return InstallPayloadResource(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kPayloadResourceType),
                                passed, reinterpret_cast<LONG_PTR>(job));
}

std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  std::string pattern = folder;
  if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
  HANDLE search = FindFirstFileA((pattern + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string FirstFailure(const PayloadJob& job) {
  if (job.failedCount == 0) return "none";
  return std::string(job.firstFailedName) + " (" + std::to_string(job.firstError) + ")";
}

::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                       << " were expected, first difference at offset " << at;
}
