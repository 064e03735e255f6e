// Helpers for the payload tests: a fresh job, one resource installed, the test exe's own resource
// bytes, folder listings.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "install/payload_writer.h"
#include "tests/driver/payload_reader.h"

// A job for the install folder (UTF-8, ending in a backslash) with nothing failed yet. The job's
// UTF-16 copy of the folder lives as long as the test process.
PayloadJob NewJob(const std::string& installPath);

// Offers this exe's payload resource of that name (or number) to InstallPayloadResource, as the
// resource enumerator does: a string name comes as a writable copy. Returns its go-on result.
BOOL InstallOne(PayloadJob* job, const char* name);

// The names in a folder (without "." and ".."), sorted.
std::vector<std::string> ListFolder(const std::string& folder);

// The first failure of a job, "name (error)", or "none" for a job without failures.
std::string FirstFailure(const PayloadJob& job);

// Compares byte strings without printing them whole: reports the sizes and the first difference.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected);
