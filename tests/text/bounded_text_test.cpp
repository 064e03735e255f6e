// The cutting copy into a fixed field.
#include "text/bounded_text.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

TEST(CopyField, CutsLongTextsToTheField) {
  struct Case {
    std::string text;
    int fieldSize;
  } cases[] = {{std::string(100, 'h'), 80}, {std::string(79, 'h'), 80}, {"", 40}};
  for (const Case& c : cases) {
    char field[100];
    memset(field, 'x', sizeof field);
    CopyField(field, c.fieldSize, c.text.c_str());
    EXPECT_EQ(std::string(field), c.text.substr(0, c.fieldSize - 1));
    EXPECT_EQ(field[c.fieldSize], 'x') << "nothing written past the field";
  }
}

}  // namespace
