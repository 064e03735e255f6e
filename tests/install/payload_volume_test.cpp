// Installing onto a volume that fills up and onto a read-only volume (tmpfs mounts mapped to T:
// and R: by test-volumes.sh): the old plug-in survives and the failure is reported.
#include "install/payload_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/install/install_fixtures.h"
#include "tests/support/platform_fixtures.h"

namespace {

const ULONGLONG kTinyVolumeLimit = 1024 * 1024;

bool IsTinyVolume(const char* root) {
  ULARGE_INTEGER total = {};
  return GetDiskFreeSpaceExA(root, nullptr, &total, nullptr) && total.QuadPart < kTinyVolumeLimit;
}

PayloadJob InstallPlugIn(const char* folder) {
  PayloadJob job = NewJob(folder);
  EXPECT_TRUE(InstallOne(&job, "GLIMMERION.8BF"));
  return job;
}

TEST(PayloadVolumes, AVolumeThatFillsUpKeepsTheOldPlugIn) {
  if (!IsTinyVolume("T:\\")) GTEST_SKIP() << "not run: T: is no small tmpfs volume (mounting needs root)";
  ASSERT_GT(PayloadBytes("GLIMMERION.8BF").size(), kTinyVolumeLimit / 8);
  const std::string old(20000, 'o');
  WriteFileBytes("T:\\Glimmerion.8bf", old);

  PayloadJob job = InstallPlugIn("T:\\");

  EXPECT_EQ(job.failedCount, 1);
  EXPECT_EQ(Utf8(job.firstFailedName), "Glimmerion.8bf");
  EXPECT_EQ(job.firstError, static_cast<DWORD>(ERROR_DISK_FULL));
  EXPECT_TRUE(SameBytes(ReadFileBytes("T:\\Glimmerion.8bf"), old));
  EXPECT_EQ(ListFolder("T:\\"), std::vector<std::string>{"Glimmerion.8bf"});
  DeleteFileA("T:\\Glimmerion.8bf");
}

TEST(PayloadVolumes, AReadOnlyVolumeKeepsTheOldPlugIn) {
  if (!FileExists("R:\\Plug-Ins\\Glimmerion.8bf")) {
    GTEST_SKIP() << "not run: R: is no read-only tmpfs volume (mounting needs root)";
  }

  PayloadJob job = InstallPlugIn("R:\\Plug-Ins\\");

  EXPECT_EQ(job.failedCount, 1);
  EXPECT_EQ(Utf8(job.firstFailedName), "Glimmerion.8bf");
  EXPECT_NE(job.firstError, 0u);
  EXPECT_EQ(ReadFileBytes("R:\\Plug-Ins\\Glimmerion.8bf"), "old plug-in");
  EXPECT_EQ(ListFolder("R:\\Plug-Ins"), std::vector<std::string>{"Glimmerion.8bf"});
}

}  // namespace
