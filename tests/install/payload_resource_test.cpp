// The installer's payload resource: the plug-in module, embedded as the installer exe links it.
#include "install/payload_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/install/install_fixtures.h"
#include "tests/support/platform_fixtures.h"

namespace {

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
  reinterpret_cast<std::vector<std::string>*>(param)->push_back(
      IS_INTRESOURCE(name) ? "#" : name);
  return TRUE;
}

TEST(InstallerPayload, IsThePlugInAloneAsAnEnglishResourceOfType3000) {
  std::vector<std::string> names;
  EnumResourceNamesA(nullptr, MAKEINTRESOURCEA(kPayloadResourceType), CollectName,
                     reinterpret_cast<LONG_PTR>(&names));
  EXPECT_EQ(names, std::vector<std::string>{"GLIMMERION.8BF"});

  HRSRC resource = FindResourceExA(nullptr, MAKEINTRESOURCEA(kPayloadResourceType),
                                   "GLIMMERION.8BF", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  ASSERT_NE(resource, nullptr);
  EXPECT_EQ(SizeofResource(nullptr, resource), static_cast<DWORD>(PLUGIN_MODULE_SIZE));
}

TEST(InstallerPayload, IsInstalledAsGlimmerion8bf) {
  MakeFolders("D:\\Plug-Ins");
  PayloadJob job = NewJob("D:\\Plug-Ins\\");

  InstallPayload(GetModuleHandleA(nullptr), &job);

  EXPECT_EQ(job.failedCount, 0) << FirstFailure(job);
  EXPECT_EQ(ListFolder("D:\\Plug-Ins"), std::vector<std::string>{"Glimmerion.8bf"});
  EXPECT_TRUE(
      SameBytes(ReadFileBytes("D:\\Plug-Ins\\Glimmerion.8bf"), PayloadBytes("GLIMMERION.8BF")));
}

}  // namespace
