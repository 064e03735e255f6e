// Temporary file names: random, never read off the clock, a process id or a counter.
#include "install/temp_name.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <set>
#include <string>
#include <vector>

namespace {

const size_t kNames = 2000;

std::vector<std::string> MakeNames() {
  std::vector<std::string> names;
  for (size_t i = 0; i < kNames; ++i) {
    wchar_t name[kTempNameSize];
    EXPECT_TRUE(MakeTempName(name));
    names.push_back(std::string(name, name + wcslen(name)));  // ASCII
  }
  return names;
}

TEST(TempName, NamesMadeInQuickSuccessionAllDiffer) {
  // Names derived from the tick count repeat within one tick; 64 random bits do not.
  std::vector<std::string> names = MakeNames();
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), kNames);
}

TEST(TempName, EveryBitOfTheNameIsUnpredictable) {
  // A process id leaves bits fixed and a counter steps by one; each random bit is set in about
  // half the names (1,000 of 2,000, give or take 22), and neighbours lie far apart.
  int setCounts[64] = {};
  int closeNeighbours = 0;
  unsigned long long previous = 0;
  for (const std::string& name : MakeNames()) {
    ASSERT_EQ(name.substr(0, 3) + name.substr(19), "~gl.tmp") << name;
    unsigned long long bits = strtoull(name.substr(3, 16).c_str(), nullptr, 16);
    for (int bit = 0; bit < 64; ++bit) setCounts[bit] += (bits >> bit) & 1;
    unsigned long long step = bits > previous ? bits - previous : previous - bits;
    closeNeighbours += step <= 0xFFFFFFFFull;
    previous = bits;
  }
  EXPECT_EQ(closeNeighbours, 0) << "names within 2^32 of the one before";
  std::string unbalanced;
  for (int bit = 0; bit < 64; ++bit) {
    if (setCounts[bit] < 800 || setCounts[bit] > 1200) {
      unbalanced += " " + std::to_string(bit) + ":" + std::to_string(setCounts[bit]);
    }
  }
  EXPECT_EQ(unbalanced, "") << "bit:names it is set in";
}

}  // namespace
