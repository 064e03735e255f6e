// The record that installations leave in HKEY_LOCAL_MACHINE, written from the install tests'
// payload: a plug-in, preset blobs and a plain file.
#include "removal/install_record.h"

#include <gtest/gtest.h>

#include "removal/file_digest.h"
#include "tests/install/install_fixtures.h"
#include "tests/support/platform_fixtures.h"

namespace {

std::string Recorded(const std::string& subkey, const char* name, bool* found = nullptr) {
  return GetRegValue(HKEY_LOCAL_MACHINE, "Software\\Tarnwell\\Glimmerion Setup\\" + subkey, name,
                     found);
}

// Installed twice into one folder, made by the first installation only: one folder in the
// record, still counted as made by the installer.
TEST(InstallRecord, HoldsTheFolderItsFilesThePresetValuesAndTheVersion) {
  ScopedRegTree user(HKEY_CURRENT_USER, "Software\\Tarnwell");
  ScopedRegTree machine(HKEY_LOCAL_MACHINE, "Software\\Tarnwell");
  MakeFolders("D:\\Plug-Ins");
  for (bool created : {true, false}) {
    InstallRecorder recorder(nullptr);
    PayloadJob job = NewJob("D:\\Plug-Ins\\");
    job.observer = &recorder;
    InstallPayload(GetModuleHandleA(nullptr), &job);
    ASSERT_EQ(job.failedCount, 0) << FirstFailure(job);
    ASSERT_EQ(recorder.Save(created), 0u);
  }
  EXPECT_EQ(Recorded("Folders\\1", "Path"), std::string("D:\\Plug-Ins\\", 13));
  EXPECT_EQ(Recorded("Folders\\1", "Created"), std::string("\1\0\0\0", 4));
  bool found = true;
  Recorded("Folders\\2", "Path", &found);
  EXPECT_FALSE(found);
  for (const char* resource : {"GLIMMERION.8BF", "PRESETS.BIN"}) {
    const std::string bytes = PayloadBytes(resource);
    FileDigest digest = {};
    DigestOfBytes(bytes.data(), static_cast<DWORD>(bytes.size()), &digest);
    std::string file = resource == std::string("PRESETS.BIN") ? "Presets.bin" : "Glimmerion.8bf";
    EXPECT_EQ(Recorded("Folders\\1\\Files", file.c_str()),
              std::string(reinterpret_cast<const char*>(&digest), sizeof digest));
  }
  // The 300-byte bouquet blob holds two whole 128-byte values.
  for (const char* value :
       {"Software\\Tarnwell\\Graphitone\\Portrait12", "Software\\Tarnwell\\Tessarine\\Bouquet02",
        "Software\\Tarnwell\\Tessarine\\Patterns12"}) {
    Recorded("Presets", value, &found);
    EXPECT_TRUE(found) << value;
  }
  Recorded("Presets", "Software\\Tarnwell\\Tessarine\\Bouquet03", &found);
  EXPECT_FALSE(found);
  EXPECT_EQ(Recorded("", "Version"), std::string("1.0.0", 6));
}

}  // namespace
