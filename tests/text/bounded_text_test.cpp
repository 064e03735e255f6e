// The bounded copies into fixed fields: whole or not at all, and the cutting one.
#include "text/bounded_text.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

// dest starts as "ab" in a field of size bytes, with guard bytes after the field.
struct WholeCase {
  bool append;
  size_t size;
  std::string src;
  bool fits;
  const char* result;
} const kWholeCases[] = {
    {false, 4, "xyz", true, "xyz"},   {false, 4, "wxyz", false, "ab"}, {false, 4, "", true, ""},
    {false, 1, "", true, ""},         {false, 1, "x", false, "ab"},    {true, 5, "xy", true, "abxy"},
    {true, 5, "xyz", false, "ab"},    {true, 3, "", true, "ab"},       {true, 3, "x", false, "ab"},
};

TEST(CopyTextAndAppendText, WriteTheWholeTextOrLeaveTheFieldAsItWas) {
  for (const WholeCase& c : kWholeCases) {
    char field[16];
    memset(field, 'g', sizeof field);
    memcpy(field, "ab", 3);
    bool fits = c.append ? AppendText(field, c.size, c.src.c_str())
                         : CopyText(field, c.size, c.src.c_str());
    SCOPED_TRACE((c.append ? "append " : "copy ") + c.src + " into " + std::to_string(c.size));
    EXPECT_EQ(fits, c.fits);
    EXPECT_STREQ(field, c.result);
    size_t end = c.size > 3 ? c.size : 3;
    EXPECT_EQ(std::string(field + end, sizeof field - end), std::string(sizeof field - end, 'g'))
        << "nothing written past the field";
  }
}

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
