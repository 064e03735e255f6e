// Path and name text operations, on the real character tables and the real file system.
#include "text/path_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/platform_fixtures.h"

namespace {

struct TextCase {
  const wchar_t* input;
  const wchar_t* expected;
};

// The text that the operation returns for a copy of input that it may edit in place.
template <typename Operation>
std::wstring Apply(Operation operation, const wchar_t* input) {
  wchar_t buffer[kFolderTextSize * 2] = L"";
  wcscpy(buffer, input);
  return operation(buffer);
}

TEST(TitleCasePath, CapitalisesEveryWordOfAPath) {
  const TextCase cases[] = {
      {L"d:\\program files\\adobe\\photoshop 9\\plug-ins\\", L"D:\\Program Files\\Adobe\\Photoshop 9\\Plug-Ins\\"},
      {L"D:\\EDIT 9\\PLUGINS\\", L"D:\\Edit 9\\Plugins\\"},
      {L"d:\\a1b\\", L"D:\\A1B\\"},
      {L"", L""},
      {L"x", L"X"},
      // 0xE9 is a letter in code page 1252 but lies above the range that the second pass upper-cases.
      {L"d:\\\xe9t\xe9\\", L"D:\\\xe9t\xe9\\"},
      {L"d:\\[ab]\\", L"D:\\[Ab]\\"},
      // Only a to z change case: other scripts stay exactly as stored, at the start too.
      {L"\xe9t\xe9\\\x444\x43e\x442\x43e", L"\xe9t\xe9\\\x444\x43e\x442\x43e"},
      // An emoji's two halves are no letters, so the word after it starts anew.
      {L"d:\\\xd83c\xdfa8" L"art\\", L"D:\\\xd83c\xdfa8" L"Art\\"},
  };
  auto titleCase = [](wchar_t* text) {
    TitleCasePath(text);
    return text;
  };
  for (const TextCase& c : cases) EXPECT_EQ(Apply(titleCase, c.input), c.expected) << c.input;
}

TEST(StripLeadingNonLetters, RemovesOnlyLeadingNonLetters) {
  const TextCase cases[] = {
      {L"\"D:\\Editor\\", L"D:\\Editor\\"},
      {L"123", L""},
      {L"", L""},
      {L"  \"D:\\Filters\"", L"D:\\Filters\""},
      {L"10:30", L""},
      {L"\xe9t\xe9", L"\xe9t\xe9"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(Apply(StripLeadingNonLetters, c.input), c.expected) << c.input;
}

TEST(StripLeadingNonLetters, CapsOnlyTextsThatStartWithANonLetter) {
  std::wstring letters(500, L'a');
  EXPECT_EQ(Apply(StripLeadingNonLetters, letters.c_str()).size(), 500u);

  std::wstring quoted = L"\"" + std::wstring(499, L'a');
  EXPECT_EQ(Apply(StripLeadingNonLetters, quoted.c_str()).size(), 389u);
}

TEST(CutAfterLastChar, CutsAtTheRightmostInnerBackslash) {
  const TextCase cases[] = {
      {L"D:\\Program Files\\Editor\\editor.exe", L"D:\\Program Files\\Editor\\"},
      {L"D:\\Program Files\\Editor\\", L"D:\\Program Files\\"},
      {L"\"D:\\Editor\\editor.exe\" \"%1\"", L"\"D:\\Editor\\"},
      {L"editor.exe", L"editor.exe"},
      {L"\\a", L"\\a"},
      {L"", L""},
  };
  auto cutAtBackslash = [](wchar_t* text) { return CutAfterLastChar(text, L'\\'); };
  for (const TextCase& c : cases) EXPECT_EQ(Apply(cutAtBackslash, c.input), c.expected) << c.input;
}

TEST(AddTrailingBackslash, AppendsOnlyWhenMissingAndWhenThereIsRoom) {
  wchar_t buffer[8] = L"D:\\A";
  EXPECT_TRUE(AddTrailingBackslash(buffer, ARRAYSIZE(buffer)));
  EXPECT_STREQ(buffer, L"D:\\A\\");
  EXPECT_TRUE(AddTrailingBackslash(buffer, ARRAYSIZE(buffer)));
  EXPECT_STREQ(buffer, L"D:\\A\\");

  wchar_t empty[4] = L"";
  EXPECT_TRUE(AddTrailingBackslash(empty, ARRAYSIZE(empty)));
  EXPECT_STREQ(empty, L"");

  wchar_t full[6] = L"D:\\Ab";
  EXPECT_FALSE(AddTrailingBackslash(full, ARRAYSIZE(full)));
  EXPECT_STREQ(full, L"D:\\Ab");
}

TEST(JoinPath, JoinsFolderAndNameWithOneBackslash) {
  struct Case {
    const wchar_t* base;
    const wchar_t* initial;
    const wchar_t* name;
    const wchar_t* expected;
  } cases[] = {
      {L"D:\\Ed", L"", L"plug-ins", L"D:\\Ed\\plug-ins"},
      {L"D:\\Ed\\", L"", L"plugin", L"D:\\Ed\\plugin"},
      {nullptr, L"D:\\Ed\\", L"painter.set", L"D:\\Ed\\painter.set"},
      {nullptr, L"D:\\Ed", L"x", L"D:\\Ed\\x"},
  };
  for (const Case& c : cases) {
    wchar_t dest[32];
    wcscpy(dest, c.initial);
    EXPECT_TRUE(JoinPath(dest, ARRAYSIZE(dest), c.name, c.base));
    EXPECT_STREQ(dest, c.expected);
  }
}

TEST(JoinPath, RefusesAResultThatDoesNotFitAndLeavesTheDestination) {
  wchar_t dest[12] = L"keep";
  EXPECT_FALSE(JoinPath(dest, ARRAYSIZE(dest), L"name", L"D:\\Long"));
  EXPECT_STREQ(dest, L"keep");
  EXPECT_TRUE(JoinPath(dest, ARRAYSIZE(dest), L"nam", L"D:\\Long"));  // 11 characters and the NUL
  EXPECT_STREQ(dest, L"D:\\Long\\nam");
}

TEST(PrettifyFileName, TurnsResourceNamesIntoFileNames) {
  const TextCase cases[] = {
      {L"GLIMMERION.8BF", L"Glimmerion.8bf"},
      {L"PRESETS__SKETCHESBIN", L"PresetsSketchesbin"},
      {L"MY_FILTER.8BF", L"My Filter.8bf"},
      {L"X-RAY 2_FX.8BF", L"X-Ray 2 Fx.8bf"},
      {L"V3D.8BF", L"V3D.8bf"},
      {L"IT'S.8BF", L"It's.8bf"},
      {L"ABC:DEF", L"Abcdef"},
      {L"A__B", L"AB"},
      {L"PRESETS.BIN", L"Presets.bin"},
      {L"AB__", L"Ab"},
      {L"", L""},
      {L"_", L"_"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(Apply(PrettifyFileName, c.input), c.expected) << c.input;
}

TEST(PrettifyFileName, NeverWritesPastTheNameWhenItEndsInADoubledUnderscore) {
  wchar_t buffer[6] = {L'A', L'B', L'_', L'_', L'\0', L'#'};
  PrettifyFileName(buffer);
  EXPECT_STREQ(buffer, L"Ab");
  EXPECT_EQ(buffer[5], L'#');
}

struct ProbeCase {
  const wchar_t* input;
  bool found;
  const wchar_t* left;
};

// Probes the case's text from the start directory; every folder found here is D:\Tools.
void ExpectProbe(const ProbeCase& c, const wchar_t* start) {
  ASSERT_TRUE(SetCurrentDirectoryW(start));
  wchar_t buffer[kFolderTextSize];
  wcscpy(buffer, c.input);
  EXPECT_EQ(ProbePath(buffer), c.found) << c.input;
  EXPECT_STREQ(buffer, c.left) << c.input;
  if (c.found) {
    EXPECT_EQ(CurrentDirectory(), "D:\\Tools") << c.input;
  }
}

TEST(ProbePath, TrimsToAnExistingFolderOrGivesUpAtTheParent) {
  MakeFolders("D:\\Tools");
  const ProbeCase cases[] = {
      {L"D:\\Tools\\Sub", true, L"D:\\Tools\\"},
      {L"D:\\Tools\\", true, L"D:\\Tools"},
      {L"D:\\Tools", true, L"D:\\Tools"},
      {L"D:\\Nothing", false, L"D:\\"},
      {L"D:\\Toolsmith\\x", false, L"D:\\Toolsmith\\"},
      {L"D:\\", false, L"D:"},
      {L"", false, L""},
  };
  for (const ProbeCase& c : cases) ExpectProbe(c, L"C:\\");
}

// A folder that is already the current directory is found again without entering it anew; a
// text that merely starts like it is probed as usual, and trimming may reach it.
TEST(ProbePath, TellsTheCurrentDirectoryFromTextsLikeIt) {
  MakeFolders("D:\\Tools");
  const ProbeCase cases[] = {
      {L"D:\\Tools", true, L"D:\\Tools"},
      {L"D:\\Tools\\", true, L"D:\\Tools"},
      {L"D:\\Tools\\x", true, L"D:\\Tools\\"},
      {L"D:\\Tool", false, L"D:\\"},
      {L"D:\\Toolsmith", true, L"D:\\Tools"},
  };
  for (const ProbeCase& c : cases) ExpectProbe(c, L"D:\\Tools");
}

}  // namespace
