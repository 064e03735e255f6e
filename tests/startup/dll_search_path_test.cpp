// A DLL planted in the current folder is not loaded by name once the search path is restricted.
#include "startup/dll_search_path.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(RestrictDllSearchPath, PlantedDllIsNotFoundBesideTheProgram) {
  ASSERT_TRUE(SetCurrentDirectoryA("D:\\"));
  ASSERT_TRUE(CopyFileA(PLANTED_MODULE_PATH, "D:\\planted_module.dll", FALSE));

  RestrictDllSearchPath();

  EXPECT_EQ(LoadLibraryA("planted_module.dll"), nullptr);
  // The planted file itself is loadable, and system DLLs are still found by name.
  EXPECT_NE(LoadLibraryA("D:\\planted_module.dll"), nullptr);
  EXPECT_NE(LoadLibraryA("version.dll"), nullptr);
}

TEST(RestrictDllSearchPath, WithoutItThePlantedDllIsLoaded) {
  ASSERT_TRUE(SetCurrentDirectoryA("D:\\"));
  ASSERT_TRUE(CopyFileA(PLANTED_MODULE_PATH, "D:\\planted_module.dll", FALSE));
  EXPECT_NE(LoadLibraryA("planted_module.dll"), nullptr);
}
