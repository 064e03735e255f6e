// Installing this exe's own payload resources into a real folder and the real registry.
#include "install/payload_writer.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "discovery/folder_tables.h"
#include "tests/install/install_fixtures.h"
#include "tests/support/platform_fixtures.h"

namespace {

const char kFolder[] = "D:\\Plug-Ins\\";
const char kPlugInFile[] = "D:\\Plug-Ins\\Glimmerion.8bf";
const char kGraphitone[] = "Software\\Tarnwell\\Graphitone";
const char kTessarine[] = "Software\\Tarnwell\\Tessarine";
const HKEY kRoots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

struct PresetRow {
  const char* resource;
  const char* subkey;
  const char* prefix;
  int values;      // values the row defines
  int sliceSize;
  int wholeSlices;  // whole slices the test blob holds, capped at values
};

// The blobs are 800, 300 and 1,600 bytes: more than the Sketches row uses, fewer than the
// Bouquets row needs (two whole slices and a part), and more than the Patterns row uses.
const PresetRow kPresetRows[] = {
    {"PRESETS__SKETCHESBIN", kGraphitone, "Portrait", 12, 64, 12},
    {"PRESETS__BOUQUETSBIN", kTessarine, "Bouquet", 16, 128, 2},
    {"PRESETS__PATTERNSBIN", kTessarine, "Patterns", 12, 128, 12},
};

std::string ValueName(const char* prefix, int number) {
  char name[32];
  snprintf(name, sizeof name, "%s%02d", prefix, number);
  return name;
}

// Values 1 to the row's whole slices hold their slice of the blob under both roots, when the
// blob was installed; no other value of the row exists.
void ExpectPresetValues(const PresetRow& row, bool installed) {
  std::string blob = PayloadBytes(row.resource);
  for (int number = 1; number <= row.values + 1; ++number) {
    std::string name = ValueName(row.prefix, number);
    bool expected = installed && number <= row.wholeSlices;
    for (HKEY root : kRoots) {
      bool found = false;
      DWORD type = 0;
      std::string bytes = GetRegValue(root, row.subkey, name, &found, &type);
      ASSERT_EQ(found, expected) << row.subkey << "\\" << name;
      if (!found) continue;
      EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY)) << name;
      EXPECT_TRUE(SameBytes(bytes, blob.substr((number - 1) * row.sliceSize, row.sliceSize)))
          << name;
    }
  }
}

void ExpectFileHoldsResource(const std::string& path, const char* resource) {
  std::string expected = PayloadBytes(resource);
  ASSERT_FALSE(expected.empty()) << resource;
  EXPECT_TRUE(SameBytes(ReadFileBytes(path), expected)) << path;
}

// Makes root\Software\Tarnwell volatile, so that no lasting key can be created below it.
void BlockPresetKeys(HKEY root) { MakeVolatileKey(root, "Software\\Tarnwell"); }

class PayloadWriter : public ::testing::Test {
 protected:
  void SetUp() override { MakeFolders("D:\\Plug-Ins"); }

  PayloadJob Install() {
    PayloadJob job = NewJob(kFolder);
    InstallPayload(GetModuleHandleA(nullptr), &job);
    return job;
  }

  ScopedRegTree user_{HKEY_CURRENT_USER, "Software\\Tarnwell"};
  ScopedRegTree machine_{HKEY_LOCAL_MACHINE, "Software\\Tarnwell"};
};

TEST_F(PayloadWriter, WritesFilesWithTheirExactBytesAndCutsPresetBlobsIntoValues) {
  ASSERT_EQ(PayloadBytes("PRESETS__SKETCHESBIN").size(), 800u);
  ASSERT_EQ(PayloadBytes("PRESETS__BOUQUETSBIN").size(), 300u);
  ASSERT_EQ(PayloadBytes("PRESETS__PATTERNSBIN").size(), 1600u);

  PayloadJob job = Install();

  EXPECT_EQ(job.failedCount, 0) << FirstFailure(job);
  EXPECT_EQ(ListFolder(kFolder), (std::vector<std::string>{"Glimmerion.8bf", "Presets.bin"}));
  ExpectFileHoldsResource(kPlugInFile, "GLIMMERION.8BF");
  ExpectFileHoldsResource("D:\\Plug-Ins\\Presets.bin", "PRESETS.BIN");
  for (const PresetRow& row : kPresetRows) ExpectPresetValues(row, true);
}

// A file saved under another case is the same file to Windows, not a link to another place.
TEST_F(PayloadWriter, ReplacesAnExistingFileWholeWhateverTheCaseOfItsName) {
  for (const char* existing : {"Glimmerion.8bf", "glimmerion.8bf"}) {
    SCOPED_TRACE(existing);
    WriteFileBytes(std::string(kFolder) + existing, std::string(20000, 'o'));

    PayloadJob job = Install();

    EXPECT_EQ(job.failedCount, 0) << FirstFailure(job);
    ExpectFileHoldsResource(kPlugInFile, "GLIMMERION.8BF");
    EXPECT_EQ(ListFolder(kFolder).size(), 2u);
    DeleteFileA(kPlugInFile);
  }
}

TEST_F(PayloadWriter, SkipsNamesThatContainAnExclusionKey) {
  struct Case {
    const char* key;
    std::vector<std::string> files;
    bool presetsInstalled[3];  // in the order of kPresetRows
  } cases[] = {
      {"Glimmerion", {"Presets.bin"}, {true, true, true}},
      {"Sketches", {"Glimmerion.8bf", "Presets.bin"}, {false, true, true}},
      {"Presets", {"Glimmerion.8bf"}, {false, false, false}},
      {"glimmerion", {"Glimmerion.8bf", "Presets.bin"}, {true, true, true}},
  };
  int caseNumber = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    g_exclusions = FolderTable();
    AddExclusion(Wide(c.key).c_str());
    ScopedRegTree user(HKEY_CURRENT_USER, "Software\\Tarnwell");
    ScopedRegTree machine(HKEY_LOCAL_MACHINE, "Software\\Tarnwell");
    std::string folder = "D:\\Case" + std::to_string(++caseNumber) + "\\";
    MakeFolders(folder);

    PayloadJob job = NewJob(folder.c_str());
    InstallPayload(GetModuleHandleA(nullptr), &job);

    EXPECT_EQ(job.failedCount, 0) << FirstFailure(job);
    EXPECT_EQ(ListFolder(folder), c.files);
    for (int row = 0; row < 3; ++row) ExpectPresetValues(kPresetRows[row], c.presetsInstalled[row]);
  }
}

// An image editor holds its loaded plug-ins open; the file cannot be replaced until it lets go.
TEST_F(PayloadWriter, APlugInHeldOpenIsLeftIntactAndReportedWhileTheRestIsInstalled) {
  WriteFileBytes(kPlugInFile, "old plug-in");
  HANDLE held = CreateFileA(kPlugInFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  PayloadJob job = Install();
  CloseHandle(held);

  EXPECT_EQ(job.failedCount, 1);
  EXPECT_EQ(Utf8(job.firstFailedName), "Glimmerion.8bf");
  EXPECT_NE(job.firstError, 0u);
  EXPECT_EQ(ReadFileBytes(kPlugInFile), "old plug-in");
  EXPECT_EQ(ListFolder(kFolder), (std::vector<std::string>{"Glimmerion.8bf", "Presets.bin"}));
  for (const PresetRow& row : kPresetRows) ExpectPresetValues(row, true);
}

// Folders above the install folder may be links (Program Files moved to another disk, say): the
// files go to where the folder really is.
TEST(PayloadLinks, AFolderAboveTheInstallFolderMayBeALink) {
  MakeFolders("D:\\Real\\Tarnwell");
  MakeLink("D:\\Moved", "D:\\Real");

  PayloadJob job = NewJob("D:\\Moved\\Tarnwell\\");
  EXPECT_TRUE(InstallOne(&job, "GLIMMERION.8BF"));

  EXPECT_EQ(job.failedCount, 0) << FirstFailure(job);
  EXPECT_EQ(ListFolder("D:\\Real\\Tarnwell"), std::vector<std::string>{"Glimmerion.8bf"});
  ExpectFileHoldsResource("D:\\Real\\Tarnwell\\Glimmerion.8bf", "GLIMMERION.8BF");
}

TEST_F(PayloadWriter, APresetBlobCountsAsWrittenWhenOneRootTookIt) {
  BlockPresetKeys(HKEY_LOCAL_MACHINE);

  PayloadJob job = Install();

  EXPECT_EQ(job.failedCount, 0) << FirstFailure(job);
  EXPECT_TRUE(SameBytes(GetRegValue(HKEY_CURRENT_USER, kGraphitone, "Portrait12"),
                        PayloadBytes("PRESETS__SKETCHESBIN").substr(11 * 64, 64)));
  bool found = true;
  GetRegValue(HKEY_LOCAL_MACHINE, kGraphitone, "Portrait01", &found);
  EXPECT_FALSE(found);
}

TEST_F(PayloadWriter, PresetBlobsThatNoRootTookAreReportedAndTheFilesStillWritten) {
  BlockPresetKeys(HKEY_CURRENT_USER);
  BlockPresetKeys(HKEY_LOCAL_MACHINE);

  PayloadJob job = Install();

  EXPECT_EQ(job.failedCount, 3);
  EXPECT_EQ(Utf8(job.firstFailedName), "PresetsBouquetsbin");
  EXPECT_EQ(job.firstError, static_cast<DWORD>(ERROR_CHILD_MUST_BE_VOLATILE));
  EXPECT_EQ(ListFolder(kFolder), (std::vector<std::string>{"Glimmerion.8bf", "Presets.bin"}));
}

}  // namespace
