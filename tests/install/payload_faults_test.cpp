// Payload resources and install folders that cannot be installed: each is counted and named.
#include "install/payload_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/install/install_fixtures.h"
#include "tests/support/platform_fixtures.h"
#include "text/path_text.h"

namespace {

const char kLongName[] =
    "LONG_NAME_OF_A_PAYLOAD_RESOURCE_THAT_TOGETHER_WITH_A_DEEP_INSTALL_FOLDER_RUNS_PAST_THE_"
    "TARGET_PATH.BIN";

std::string Prettified(const char* name) {
  std::wstring copy = Wide(name);
  PrettifyFileName(&copy[0]);
  return Utf8(copy.c_str());
}

TEST(PayloadFaults, UnreadableResourcesStopTheEnumerationAndNumberedOnesAreSkipped) {
  struct Case {
    const char* label;
    const char* name;
    BOOL goesOn;
    const char* failedName;
    DWORD error;
  } cases[] = {
      {"missing", "MISSING.8BF", FALSE, "Missing.8bf",
       ERROR_RESOURCE_NAME_NOT_FOUND},
      {"empty", "EMPTY", FALSE, "Empty", ERROR_INVALID_DATA},
      {"numbered", MAKEINTRESOURCEA(7), TRUE, "#", ERROR_INVALID_NAME},
  };
  MakeFolders("D:\\Plug-Ins");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    PayloadJob job = NewJob("D:\\Plug-Ins\\");
    EXPECT_EQ(InstallOne(&job, c.name), c.goesOn);
    EXPECT_EQ(job.failedCount, 1);
    EXPECT_EQ(Utf8(job.firstFailedName), c.failedName);
    EXPECT_EQ(job.firstError, c.error);
    EXPECT_TRUE(ListFolder("D:\\Plug-Ins").empty());
  }
}

TEST(PayloadFaults, AnInstallationThatCannotGoOnIsReportedAndWritesNothing) {
  struct Case {
    const char* label;
    HMODULE module;
    const char* failedName;
    DWORD error;
  } cases[] = {
      // EMPTY comes first in the resource directory, so nothing after it is installed.
      {"empty resource first", GetModuleHandleA(nullptr), "Empty", ERROR_INVALID_DATA},
      {"module without payload", GetModuleHandleA("kernel32.dll"), "",
       ERROR_RESOURCE_TYPE_NOT_FOUND},
  };
  MakeFolders("D:\\Plug-Ins");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    PayloadJob job = NewJob("D:\\Plug-Ins\\");

    InstallPayload(c.module, &job);

    EXPECT_EQ(job.failedCount, 1);
    EXPECT_EQ(Utf8(job.firstFailedName), c.failedName);
    EXPECT_EQ(job.firstError, c.error);
    EXPECT_TRUE(ListFolder("D:\\Plug-Ins").empty());
  }
}

TEST(PayloadFaults, ANameThatDoesNotFitTheTargetPathWithTheFolderIsNotWritten) {
  // The longest folder text the 400-byte install path holds.
  std::string deepFolder = "D:\\" + std::string(395, 'd') + "\\";
  ASSERT_EQ(deepFolder.size(), 399u);
  MakeFolders("D:\\Plug-Ins");
  struct Case {
    std::string folder;
    bool fits;
  } cases[] = {
      {"D:\\Plug-Ins\\", true},
      {deepFolder, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    PayloadJob job = NewJob(c.folder.c_str());
    EXPECT_TRUE(InstallOne(&job, kLongName));
    if (c.fits) {
      EXPECT_EQ(job.failedCount, 0) << FirstFailure(job);
      EXPECT_TRUE(
          SameBytes(ReadFileBytes(c.folder + Prettified(kLongName)), PayloadBytes(kLongName)));
    } else {
      EXPECT_EQ(job.failedCount, 1);
      EXPECT_EQ(Utf8(job.firstFailedName), Prettified(kLongName));
      EXPECT_EQ(job.firstError, static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
    }
  }
  EXPECT_EQ(ListFolder("D:\\"), std::vector<std::string>{"Plug-Ins"});
}

TEST(PayloadFaults, AFolderThatCannotTakeFilesGetsNoFileAndIsReported) {
  // A file where the folder should be stands in for a folder that refuses new files: Wine run
  // as root ignores the folder's permissions.
  WriteFileBytes("D:\\Blocked", "not a folder");
  MakeFolders("D:\\Gone");
  ASSERT_TRUE(RemoveDirectoryA("D:\\Gone"));
  for (const char* folder : {"D:\\Blocked\\", "D:\\Gone\\"}) {
    SCOPED_TRACE(folder);
    PayloadJob job = NewJob(folder);

    EXPECT_TRUE(InstallOne(&job, "GLIMMERION.8BF"));

    EXPECT_EQ(job.failedCount, 1);
    EXPECT_EQ(Utf8(job.firstFailedName), "Glimmerion.8bf");
    EXPECT_EQ(job.firstError, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  }
  EXPECT_EQ(ListFolder("D:\\"), std::vector<std::string>{"Blocked"});
  EXPECT_EQ(ReadFileBytes("D:\\Blocked"), "not a folder");
}

}  // namespace
