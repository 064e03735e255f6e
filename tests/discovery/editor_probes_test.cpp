// The editor probes against Wine's real registry and settings files on D:.
#include "discovery/editor_probes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/discovery/discovery_test_support.h"
#include "tests/support/platform_fixtures.h"
#include "text/path_text.h"

namespace {

using Folders = std::vector<std::string>;

const char kKey[] = "Software\\GlimmerionProbeTest";

const DWORD kNoKey = REG_NONE;  // nothing is registered for the row

struct ProgramCase {
  const char* label;
  DWORD type;
  std::string value;  // stored with its NUL
  const char* expected;  // null: no folder
};

TEST(ReadProgramFolder, CutsTheDefaultValueAfterItsLastBackslash) {
  const ProgramCase cases[] = {
      {"program path", REG_SZ, "D:\\Editors\\Fireworks\\Fireworks.exe", "D:\\Editors\\Fireworks\\"},
      {"quoted open command", REG_SZ, "\"D:\\Editors\\Imaging\\editor.exe\" \"%1\"",
       "D:\\Editors\\Imaging\\"},
      {"backslash in the arguments", REG_SZ, "D:\\Ed\\ed.exe /o D:\\tmp\\%1", "D:\\Ed\\ed.exe /o D:\\tmp\\"},
      {"no backslash", REG_SZ, "editor.exe", nullptr},
      {"expand string", REG_EXPAND_SZ, "D:\\Ed\\ed.exe", nullptr},
      {"environment reference", REG_SZ, "%ProgramFiles%\\Ed\\ed.exe", nullptr},
      {"too long", REG_SZ, "D:\\" + std::string(300, 'a') + "\\ed.exe", nullptr},
      {"empty", REG_SZ, "", nullptr},
      {"missing key", kNoKey, "", nullptr},
  };
  for (const ProgramCase& c : cases) {
    ScopedRegTree tree(HKEY_CURRENT_USER, kKey);
    if (c.type != kNoKey) {
      SetRegValue(HKEY_CURRENT_USER, std::string(kKey) + "\\prog.exe\\shell", "", c.type,
                  c.value + std::string(1, '\0'));
    }
    wchar_t output[kFolderTextSize] = L"untouched";
    wchar_t* result =
        ReadProgramFolder(HKEY_CURRENT_USER, Wide(kKey).c_str(), L"prog.exe\\shell", output);
    if (c.expected) {
      EXPECT_EQ(result, output) << c.label;
      EXPECT_EQ(Utf8(output), c.expected) << c.label;
    } else {
      EXPECT_EQ(result, nullptr) << c.label;
      EXPECT_STREQ(output, L"untouched") << c.label;
    }
  }
}

std::string Record(unsigned char length, const std::string& path) {
  return std::string(1, '\x80') + static_cast<char>(length) + path + std::string(1, '\0');
}
std::string Record(const std::string& path) {
  return Record(static_cast<unsigned char>(path.size()), path);
}

// A record of UTF-16 units, little-endian or big-endian, after that byte-order mark.
std::string Utf16Record(const std::string& path, bool bigEndian) {
  const std::wstring units = std::wstring(1, L'\x80') + static_cast<wchar_t>(Wide(path).size()) +
                             Wide(path) + L'\0';
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (wchar_t unit : units) {
    const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

const char kFilters[] = "D:\\Editors\\Paint\\Filters";
const char kOther[] = "D:\\Other";

const char kSettingsFile[] = "D:\\painter.set";

struct SettingsCase {
  const char* label;
  std::string bytes;  // written to kSettingsFile
  Folders expected;
  const char* scanned = kSettingsFile;
};

TEST(ScanPainterSettings, AddsTheFolderOfTheFirstRecordWhoseLengthMatches) {
  MakeFolders(kFilters);
  MakeFolders(kOther);
  // 249 characters: the longest path a record may hold.
  std::string longest = "D:\\" + std::string(120, 'a') + "\\" + std::string(125, 'b');
  MakeFolders(longest);
  std::string abandoned = "D:\\" + std::string(246, 'x');  // 249 characters, no NUL yet
  MakeFolders("D:\\Фото");
  MakeFolders("D:\\Café");
  const SettingsCase cases[] = {
      {"record at the start", Record(kFilters), {"D:\\Editors\\Paint\\Filters\\"}},
      {"record after other bytes", "\x01\x80garbage\x80\x05" + Record(kFilters),
       {"D:\\Editors\\Paint\\Filters\\"}},
      {"run of marks", std::string(40, '\x80') + Record(kFilters), {"D:\\Editors\\Paint\\Filters\\"}},
      {"wrong length byte skipped", Record(0x17, kFilters) + Record(kOther), {"D:\\Other\\"}},
      {"249 characters", Record(longest), {"D:\\A" + std::string(119, 'a') + "\\B" +
                                           std::string(124, 'b') + "\\"}},
      {"250 characters abandoned", Record(250, longest + "c"), {}},
      {"250th character opens the next record",
       std::string("\x80\x05") + abandoned + Record(kOther), {"D:\\Other\\"}},
      {"mark inside the abandoned text opens nothing",
       std::string("\x80\x05") + "D:\\" + std::string(243, 'x') + "\x80\x08" + "D:" + "\\Other" +
           std::string(1, '\0'),
       {}},
      {"file ends inside a record", std::string("\x80\x18") + "D:\\Editors\\Paint", {}},
      {"first matching record fails the path probe", Record("Q:\\Missing") + Record(kOther), {}},
      {"no record", std::string(600, '\x80'), {}},
      {"UTF-8 mark, length in bytes", "\xEF\xBB\xBF" + Record("D:\\Фото"), {"D:\\Фото\\"}},
      {"UTF-8 length counted in characters", "\xEF\xBB\xBF" + Record(7, "D:\\Фото"), {}},
      {"UTF-16 little-endian", Utf16Record("D:\\Фото", false), {"D:\\Фото\\"}},
      {"UTF-16 big-endian", Utf16Record("D:\\Фото", true), {"D:\\Фото\\"}},
      {"no mark: the code page", Record("D:\\Caf\xE9"), {"D:\\Café\\"}},
      {"empty file", "", {}},
      {"missing file", Record(kFilters), {}, "D:\\none\\painter.set"},
  };
  for (const SettingsCase& c : cases) {
    ClearCandidateFolders();
    WriteFileBytes(kSettingsFile, c.bytes);
    ScanPainterSettings(Wide(c.scanned).c_str());
    EXPECT_EQ(CandidateFolders(), c.expected) << c.label;
  }
}

}  // namespace
