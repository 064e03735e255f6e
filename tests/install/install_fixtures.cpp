// Helpers for the payload tests.
#include "tests/install/install_fixtures.h"

#include <algorithm>
#include <list>

#include "tests/support/platform_fixtures.h"

PayloadJob NewJob(const std::string& installPath) {
  static std::list<std::wstring> installPaths;
  installPaths.push_back(Wide(installPath));
  PayloadJob job = {};
  job.installPath = installPaths.back().c_str();
  return job;
}

BOOL InstallOne(PayloadJob* job, const char* name) {
  std::wstring copy = IS_INTRESOURCE(name) ? std::wstring() : Wide(name);
  LPWSTR passed = IS_INTRESOURCE(name) ? MAKEINTRESOURCEW(reinterpret_cast<UINT_PTR>(name))
                                       : &copy[0];
  return InstallPayloadResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPayloadResourceType),
                                passed, reinterpret_cast<LONG_PTR>(job));
}

std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  std::string pattern = folder;
  if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
  HANDLE search = FindFirstFileW(Wide(pattern + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = Utf8(found.cFileName);
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string FirstFailure(const PayloadJob& job) {
  if (job.failedCount == 0) return "none";
  return Utf8(job.firstFailedName) + " (" + std::to_string(job.firstError) + ")";
}

::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                       << " were expected, first difference at offset " << at;
}
