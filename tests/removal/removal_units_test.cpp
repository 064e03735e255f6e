// The pure parts of removal: version order and file digests.
#include <gtest/gtest.h>
#include <windows.h>

#include "removal/file_digest.h"
#include "removal/version_compare.h"
#include "tests/support/platform_fixtures.h"

namespace {

TEST(CompareVersions, OrdersEachPartAsANumber) {
  struct Case {
    const wchar_t* a;
    const wchar_t* b;
    int order;
  } cases[] = {
      {L"1.0.0", L"1.0.0", 0},    {L"1.0.1", L"1.0.0", 1},  {L"1.0.9", L"1.0.10", -1},
      {L"2", L"1.9.9", 1},        {L"1.0", L"1.0.0", 0},    {L"1.0.0.1", L"1.0", 1},
      {L"1.2-beta", L"1.2", 0},   {L"", L"0.0.1", -1},      {L"99999999999", L"99999999", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompareVersions(c.a, c.b), c.order) << c.a << L" " << c.b;
    EXPECT_EQ(CompareVersions(c.b, c.a), -c.order) << c.a << L" " << c.b;
  }
}

TEST(FileDigest, IsTheSha256OfTheBytesAndOfTheFileThatHoldsThem) {
  const BYTE kAbc256[] = {0xba, 0x78, 0x16, 0xbf, 0x8f, 0x01, 0xcf, 0xea, 0x41, 0x41, 0x40,
                          0xde, 0x5d, 0xae, 0x22, 0x23, 0xb0, 0x03, 0x61, 0xa3, 0x96, 0x17,
                          0x7a, 0x9c, 0xb4, 0x10, 0xff, 0x61, 0xf2, 0x00, 0x15, 0xad};
  FileDigest fromBytes = {};
  ASSERT_EQ(DigestOfBytes("abc", 3, &fromBytes), 0u);
  EXPECT_EQ(fromBytes.size, 3u);
  EXPECT_EQ(memcmp(fromBytes.sha256, kAbc256, sizeof kAbc256), 0);
  // Longer than one read piece, so that pieces are joined.
  std::string big(40000, 'x');
  big += "abc";
  WriteFileBytes("D:\\big", big);
  HANDLE file = CreateFileA("D:\\big", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  FileDigest fromFile = {};
  FileDigest expected = {};
  EXPECT_EQ(DigestOfFile(file, &fromFile), 0u);
  CloseHandle(file);
  DigestOfBytes(big.data(), static_cast<DWORD>(big.size()), &expected);
  EXPECT_TRUE(SameDigest(fromFile, expected));
  EXPECT_FALSE(SameDigest(fromFile, fromBytes));
}

}  // namespace
