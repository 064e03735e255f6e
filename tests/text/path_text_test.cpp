// Path and name text operations, on the real character tables and the real file system.
#include "text/path_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/platform_fixtures.h"

namespace {

struct TextCase {
  const char* input;
  const char* expected;
};

// The text that the operation returns for a copy of input that it may edit in place.
template <typename Operation>
std::string Apply(Operation operation, const char* input) {
  char buffer[kFolderTextSize * 2] = "";
  strcpy(buffer, input);
  return operation(buffer);
}

TEST(TitleCasePath, CapitalisesEveryWordOfAPath) {
  const TextCase cases[] = {
      {"d:\\program files\\adobe\\photoshop 9\\plug-ins\\", "D:\\Program Files\\Adobe\\Photoshop 9\\Plug-Ins\\"},
      {"D:\\EDIT 9\\PLUGINS\\", "D:\\Edit 9\\Plugins\\"},
      {"d:\\a1b\\", "D:\\A1B\\"},
      {"", ""},
      {"x", "X"},
      // 0xE9 is a letter in code page 1252 but lies above the range that the second pass upper-cases.
      {"d:\\\xe9t\xe9\\", "D:\\\xe9t\xe9\\"},
      {"d:\\[ab]\\", "D:\\[Ab]\\"},
  };
  auto titleCase = [](char* text) {
    TitleCasePath(text);
    return text;
  };
  for (const TextCase& c : cases) EXPECT_EQ(Apply(titleCase, c.input), c.expected) << c.input;
}

TEST(StripLeadingNonLetters, RemovesOnlyLeadingNonLetters) {
  const TextCase cases[] = {
      {"\"D:\\Editor\\", "D:\\Editor\\"},
      {"123", ""},
      {"", ""},
      {"  \"D:\\Filters\"", "D:\\Filters\""},
      {"10:30", ""},
      {"\xe9t\xe9", "\xe9t\xe9"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(Apply(StripLeadingNonLetters, c.input), c.expected) << c.input;
}

TEST(StripLeadingNonLetters, CapsOnlyTextsThatStartWithANonLetter) {
  std::string letters(500, 'a');
  EXPECT_EQ(Apply(StripLeadingNonLetters, letters.c_str()).size(), 500u);

  std::string quoted = "\"" + std::string(499, 'a');
  EXPECT_EQ(Apply(StripLeadingNonLetters, quoted.c_str()).size(), 389u);
}

TEST(CutAfterLastChar, CutsAtTheRightmostInnerBackslash) {
  const TextCase cases[] = {
      {"D:\\Program Files\\Editor\\editor.exe", "D:\\Program Files\\Editor\\"},
      {"D:\\Program Files\\Editor\\", "D:\\Program Files\\"},
      {"\"D:\\Editor\\editor.exe\" \"%1\"", "\"D:\\Editor\\"},
      {"editor.exe", "editor.exe"},
      {"\\a", "\\a"},
      {"", ""},
  };
  auto cutAtBackslash = [](char* text) { return CutAfterLastChar(text, '\\'); };
  for (const TextCase& c : cases) EXPECT_EQ(Apply(cutAtBackslash, c.input), c.expected) << c.input;
}

TEST(AddTrailingBackslash, AppendsOnlyWhenMissingAndWhenThereIsRoom) {
  char buffer[8] = "D:\\A";
  EXPECT_TRUE(AddTrailingBackslash(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "D:\\A\\");
  EXPECT_TRUE(AddTrailingBackslash(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "D:\\A\\");

  char empty[4] = "";
  EXPECT_TRUE(AddTrailingBackslash(empty, sizeof empty));
  EXPECT_STREQ(empty, "");

  char full[6] = "D:\\Ab";
  EXPECT_FALSE(AddTrailingBackslash(full, sizeof full));
  EXPECT_STREQ(full, "D:\\Ab");
}

TEST(JoinPath, JoinsFolderAndNameWithOneBackslash) {
  struct Case {
    const char* base;
    const char* initial;
    const char* name;
    const char* expected;
  } cases[] = {
      {"D:\\Ed", "", "plug-ins", "D:\\Ed\\plug-ins"},
      {"D:\\Ed\\", "", "plugin", "D:\\Ed\\plugin"},
      {nullptr, "D:\\Ed\\", "painter.set", "D:\\Ed\\painter.set"},
      {nullptr, "D:\\Ed", "x", "D:\\Ed\\x"},
  };
  for (const Case& c : cases) {
    char dest[32];
    strcpy(dest, c.initial);
    EXPECT_TRUE(JoinPath(dest, sizeof dest, c.name, c.base));
    EXPECT_STREQ(dest, c.expected);
  }
}

TEST(JoinPath, RefusesAResultThatDoesNotFitAndLeavesTheDestination) {
  char dest[12] = "keep";
  EXPECT_FALSE(JoinPath(dest, sizeof dest, "name", "D:\\Long"));
  EXPECT_STREQ(dest, "keep");
  EXPECT_TRUE(JoinPath(dest, sizeof dest, "nam", "D:\\Long"));  // 11 characters and the NUL
  EXPECT_STREQ(dest, "D:\\Long\\nam");
}

TEST(PrettifyFileName, TurnsResourceNamesIntoFileNames) {
  const TextCase cases[] = {
      {"GLIMMERION.8BF", "Glimmerion.8bf"},
      {"PRESETS__SKETCHESBIN", "PresetsSketchesbin"},
      {"MY_FILTER.8BF", "My Filter.8bf"},
      {"X-RAY 2_FX.8BF", "X-Ray 2 Fx.8bf"},
      {"V3D.8BF", "V3D.8bf"},
      {"IT'S.8BF", "It's.8bf"},
      {"ABC:DEF", "Abcdef"},
      {"A__B", "AB"},
      {"PRESETS.BIN", "Presets.bin"},
      {"AB__", "Ab"},
      {"", ""},
      {"_", "_"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(Apply(PrettifyFileName, c.input), c.expected) << c.input;
}

TEST(PrettifyFileName, NeverWritesPastTheNameWhenItEndsInADoubledUnderscore) {
  char buffer[6] = {'A', 'B', '_', '_', '\0', '#'};
  PrettifyFileName(buffer);
  EXPECT_STREQ(buffer, "Ab");
  EXPECT_EQ(buffer[5], '#');
}

struct ProbeCase {
  const char* input;
  bool found;
  const char* left;
};

// Probes the case's text from the start directory; every folder found here is D:\Tools.
void ExpectProbe(const ProbeCase& c, const char* start) {
  ASSERT_TRUE(SetCurrentDirectoryA(start));
  char buffer[kFolderTextSize];
  strcpy(buffer, c.input);
  EXPECT_EQ(ProbePath(buffer), c.found) << c.input;
  EXPECT_STREQ(buffer, c.left) << c.input;
  if (c.found) {
    EXPECT_EQ(CurrentDirectory(), "D:\\Tools") << c.input;
  }
}

TEST(ProbePath, TrimsToAnExistingFolderOrGivesUpAtTheParent) {
  MakeFolders("D:\\Tools");
  const ProbeCase cases[] = {
      {"D:\\Tools\\Sub", true, "D:\\Tools\\"},
      {"D:\\Tools\\", true, "D:\\Tools"},
      {"D:\\Tools", true, "D:\\Tools"},
      {"D:\\Nothing", false, "D:\\"},
      {"D:\\Toolsmith\\x", false, "D:\\Toolsmith\\"},
      {"D:\\", false, "D:"},
      {"", false, ""},
  };
  for (const ProbeCase& c : cases) ExpectProbe(c, "C:\\");
}

// A folder that is already the current directory is found again without entering it anew; a
// text that merely starts like it is probed as usual, and trimming may reach it.
TEST(ProbePath, TellsTheCurrentDirectoryFromTextsLikeIt) {
  MakeFolders("D:\\Tools");
  const ProbeCase cases[] = {
      {"D:\\Tools", true, "D:\\Tools"},
      {"D:\\Tools\\", true, "D:\\Tools"},
      {"D:\\Tools\\x", true, "D:\\Tools\\"},
      {"D:\\Tool", false, "D:\\"},
      {"D:\\Toolsmith", true, "D:\\Tools"},
  };
  for (const ProbeCase& c : cases) ExpectProbe(c, "D:\\Tools");
}

}  // namespace
