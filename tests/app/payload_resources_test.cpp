// The payload resources of a module are enumerated by name, in resource directory order.
#include "app/payload_resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Visit {
  std::vector<std::string> names;
  size_t stopAfter;
};

BOOL CALLBACK RecordName(HMODULE, LPCSTR type, LPSTR name, LONG_PTR param) {
  Visit* visit = reinterpret_cast<Visit*>(param);
  EXPECT_EQ(type, MAKEINTRESOURCEA(kPayloadResourceType));
  visit->names.push_back(IS_INTRESOURCE(name) ? std::string("#number") : std::string(name));
  return visit->names.size() < visit->stopAfter;
}

TEST(EnumPayloadResources, HandsOverEveryPayloadNameInDirectoryOrder) {
  Visit visit = {{}, 100};
  EXPECT_TRUE(EnumPayloadResources(GetModuleHandleA(nullptr), RecordName,
                                   reinterpret_cast<LONG_PTR>(&visit)));
  EXPECT_EQ(visit.names, (std::vector<std::string>{"GLIMMERION.8BF", "PRESETS__SKETCHESBIN"}));
}

TEST(EnumPayloadResources, StopsWhenTheCallbackSaysSo) {
  Visit visit = {{}, 1};
  EXPECT_FALSE(EnumPayloadResources(GetModuleHandleA(nullptr), RecordName,
                                    reinterpret_cast<LONG_PTR>(&visit)));
  EXPECT_EQ(visit.names.size(), 1u);
}

TEST(EnumPayloadResources, ModuleWithoutPayloadReportsNoNames) {
  Visit visit = {{}, 100};
  EXPECT_FALSE(EnumPayloadResources(GetModuleHandleA("kernel32.dll"), RecordName,
                                    reinterpret_cast<LONG_PTR>(&visit)));
  EXPECT_TRUE(visit.names.empty());
}

}  // namespace
