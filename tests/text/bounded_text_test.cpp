// The bounded copies into fixed fields: whole or not at all, and the cutting one.
#include "text/bounded_text.h"

#include <gtest/gtest.h>

#include <stdarg.h>
#include <string.h>
#include <wchar.h>

#include <algorithm>
#include <string>

namespace {

// dest starts as "ab" in a field of size characters, with guard characters after the field.
struct WholeCase {
  bool append;
  size_t size;
  std::wstring src;
  bool fits;
  const wchar_t* result;
} const kWholeCases[] = {
    {false, 4, L"xyz", true, L"xyz"}, {false, 4, L"wxyz", false, L"ab"}, {false, 4, L"", true, L""},
    {false, 1, L"", true, L""}, {false, 1, L"x", false, L"ab"}, {true, 5, L"xy", true, L"abxy"},
    {true, 5, L"xyz", false, L"ab"}, {true, 3, L"", true, L"ab"}, {true, 3, L"x", false, L"ab"},
};

TEST(CopyTextAndAppendText, WriteTheWholeTextOrLeaveTheFieldAsItWas) {
  for (const WholeCase& c : kWholeCases) {
    SCOPED_TRACE(testing::Message() << (c.append ? "append " : "copy ") << c.src.size()
                                    << " characters into " << c.size);
    wchar_t field[16];
    std::fill(field, field + 16, L'g');
    wcscpy(field, L"ab");
    bool fits = c.append ? AppendText(field, c.size, c.src.c_str())
                         : CopyText(field, c.size, c.src.c_str());
    EXPECT_EQ(fits, c.fits);
    EXPECT_EQ(std::wstring(field), c.result);
    size_t end = c.size > 3 ? c.size : 3;
    EXPECT_EQ(std::wstring(field + end, 16 - end), std::wstring(16 - end, L'g'))
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

void Format(wchar_t (&field)[kFormatSize], int* length, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  *length = FormatText(field, format, args);
  va_end(args);
}

TEST(FormatText, GivesTheLengthOfWhatItKeptAndCutsAt1023Characters) {
  for (size_t size : {size_t(5), size_t(1023), size_t(1024), size_t(3000)}) {
    std::wstring text(size, L'f');
    wchar_t field[kFormatSize];
    int length = 0;
    Format(field, &length, L"%s", text.c_str());
    EXPECT_EQ(length, static_cast<int>(std::min<size_t>(size, 1023)));
    EXPECT_EQ(std::wstring(field), text.substr(0, length));
  }
}

}  // namespace
