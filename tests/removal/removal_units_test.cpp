// The pure parts of removal: version order, file digests and the running image's own file.
#include <gtest/gtest.h>
#include <windows.h>

#include "removal/file_digest.h"
#include "removal/image_match.h"
#include "removal/version_compare.h"
#include "tests/support/platform_fixtures.h"

namespace {

TEST(CompareVersions, OrdersEachPartAsANumber) {
  struct Case {
    const wchar_t* a;
    const wchar_t* b;
    int order;
  } cases[] = {
      {L"1.0.0", L"1.0.0", 0},  {L"1.0.1", L"1.0.0", 1}, {L"1.0.9", L"1.0.10", -1},
      {L"2", L"1.9.9", 1},      {L"1.0", L"1.0.0", 0},   {L"1.0.0.1", L"1.0", 1},
      {L"1.2-beta", L"1.2", 0}, {L"", L"0.0.1", -1},     {L"99999999999", L"99999999", 0},
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

// The bytes end right before an inaccessible page, so that a read past them faults.
bool MatchesAtPageEnd(const std::string& bytes, HMODULE image) {
  const size_t page = 4096, committed = (bytes.size() + page - 1) / page * page;
  void* region = VirtualAlloc(nullptr, committed + page, MEM_RESERVE, PAGE_NOACCESS);
  BYTE* end = static_cast<BYTE*>(VirtualAlloc(region, committed, MEM_COMMIT, PAGE_READWRITE));
  end += committed;
  memcpy(end - bytes.size(), bytes.data(), bytes.size());
  bool matches = FileIsImage(end - bytes.size(), static_cast<DWORD>(bytes.size()), image);
  VirtualFree(region, 0, MEM_RELEASE);
  return matches;
}

TEST(FileIsImage, AcceptsARelocatedInstallerAsBuiltAndRefusesEachChange) {
  std::string built = ReadFileBytes(INSTALLER_PATH);
  // Wine relocates an exe loaded as a library only when it is marked a DLL.
  auto nt = reinterpret_cast<IMAGE_NT_HEADERS*>(&built[*reinterpret_cast<LONG*>(&built[0x3C])]);
  nt->FileHeader.Characteristics |= IMAGE_FILE_DLL;
  WriteFileBytes("D:\\setup-copy.exe", built);
  HMODULE image = LoadLibraryExW(L"D:\\setup-copy.exe", nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(reinterpret_cast<ULONG_PTR>(image), nt->OptionalHeader.ImageBase) << "not relocated";
  const BYTE* block =
      reinterpret_cast<const BYTE*>(image) +
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].VirtualAddress;
  const DWORD slotRva = *reinterpret_cast<const DWORD*>(block) + (block[8] | (block[9] & 15) << 8);
  std::string text = built, slot = built, rsrc = built;
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    const DWORD raw = section->PointerToRawData;
    if (!memcmp(section->Name, ".text", 6)) text[raw + 16] ^= 0x5A;
    if (!memcmp(section->Name, ".rsrc", 6)) rsrc[raw + section->SizeOfRawData / 2] ^= 0x5A;
    const DWORD slotAt = slotRva - section->VirtualAddress;
    if (slotAt < section->SizeOfRawData) slot[raw + slotAt + 1] ^= 0x5A;
  }
  const struct Case {
    const char* name;
    std::string bytes;
    bool matches;
  } cases[] = {
      {"as built", built, true},
      {"a byte of .text changed", text, false},
      {"a relocation slot changed", slot, false},
      {"a byte of .rsrc changed", rsrc, false},
      {"a signature appended", built + std::string(1500, '0'), true},
      {"cut inside its sections", built.substr(0, built.size() / 2), false},
      {"cut inside its headers", built.substr(0, 200), false},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesAtPageEnd(c.bytes, image), c.matches) << c.name;
  FreeLibrary(image);
}

}  // namespace
