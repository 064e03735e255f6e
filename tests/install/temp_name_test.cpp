// Temporary file names: random, never read off the clock.
#include "install/temp_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(TempName, NamesMadeInQuickSuccessionAllDiffer) {
  // Names derived from the tick count repeat within one tick; 64 random bits do not.
  const size_t kNames = 2000;
  std::set<std::wstring> names;
  for (size_t i = 0; i < kNames; ++i) {
    wchar_t name[kTempNameSize];
    ASSERT_TRUE(MakeTempName(name));
    names.insert(name);
  }
  EXPECT_EQ(names.size(), kNames);
}

}  // namespace
