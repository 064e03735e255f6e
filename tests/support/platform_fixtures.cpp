// Test helpers that prepare the real platform.
#include "tests/support/platform_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

std::wstring Wide(const std::string& utf8) {
  int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                   static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(length, L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                      &text[0], length);
  return text;
}

std::string Utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], size,
                      nullptr, nullptr);
  return utf8;
}

void MakeFolders(const std::string& path) {
  for (size_t at = path.find('\\', 3); ; at = path.find('\\', at + 1)) {
    std::string level = path.substr(0, at);
    if (!level.empty()) CreateDirectoryW(Wide(level).c_str(), nullptr);
    if (at == std::string::npos) break;
  }
  DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  ASSERT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
      << path;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_TRUE(ok && written == bytes.size()) << path;
}

std::string ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeLink(const std::string& link, const std::string& target) {
  // Wine's own exports: the Unix path of a Windows path, and starting a Unix program.
  typedef char*(CDECL * UnixNameFn)(const WCHAR*);
  typedef LONG(CDECL * SpawnFn)(char* const argv[], int wait);
  auto unixName = reinterpret_cast<UnixNameFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  auto spawn = reinterpret_cast<SpawnFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
  ASSERT_TRUE(unixName && spawn) << "links are made through Wine";
  std::wstring wideTarget = Wide(target), wideLink = Wide(link);
  char* argv[] = {const_cast<char*>("/bin/ln"), const_cast<char*>("-s"),
                  unixName(wideTarget.c_str()), unixName(wideLink.c_str()), nullptr};
  LONG status = argv[2] && argv[3] ? spawn(argv, 1) : -1;
  HeapFree(GetProcessHeap(), 0, argv[2]);
  HeapFree(GetProcessHeap(), 0, argv[3]);
  ASSERT_EQ(status, 0) << link << " -> " << target;
  ASSERT_TRUE(FileExists(link)) << link;
}

std::string CurrentDirectory() {
  wchar_t buffer[MAX_PATH * 2] = L"";
  GetCurrentDirectoryW(MAX_PATH * 2, buffer);
  return Utf8(buffer);
}

void DeleteRegTree(HKEY root, const std::string& subkey) {
  for (REGSAM view : kRegViews) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_ALL_ACCESS | view, &key) != ERROR_SUCCESS) continue;
    RegDeleteTreeA(key, nullptr);
    RegCloseKey(key);
    RegDeleteKeyExA(root, subkey.c_str(), view, 0);
  }
}

ScopedRegTree::ScopedRegTree(HKEY root, std::string subkey) : root_(root), subkey_(std::move(subkey)) {
  DeleteRegTree(root_, subkey_);
}

ScopedRegTree::~ScopedRegTree() { DeleteRegTree(root_, subkey_); }

namespace {

// Creates the key (or opens it) with the options; null when that fails, with the failure recorded.
HKEY CreateKey(HKEY root, const std::string& subkey, DWORD options, REGSAM view = 0) {
  HKEY key = nullptr;
  LONG result = RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, options, KEY_ALL_ACCESS | view,
                                nullptr, &key, nullptr);
  EXPECT_EQ(result, ERROR_SUCCESS) << subkey;
  return result == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

void SetRegValue(HKEY root, const std::string& subkey, const std::string& name, DWORD type,
                 const std::string& bytes) {
  HKEY key = CreateKey(root, subkey, 0);
  ASSERT_NE(key, nullptr);
  // RegSetValueExA counts a string's NUL that the caller left out when one follows the bytes in
  // memory; a guard byte after them keeps an unterminated string unterminated.
  const std::string guarded = bytes + '#';
  LONG result = RegSetValueExA(key, name.c_str(), 0, type,
                               reinterpret_cast<const BYTE*>(guarded.data()),
                               static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
  ASSERT_EQ(result, ERROR_SUCCESS) << subkey << "\\" << name;
}

void SetRegString(HKEY root, const std::string& subkey, const std::string& name,
                  const std::string& text, REGSAM view) {
  HKEY key = nullptr;
  LONG result = RegCreateKeyExW(root, Wide(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view,
                                nullptr, &key, nullptr);
  ASSERT_EQ(result, ERROR_SUCCESS) << subkey;
  const std::wstring data = Wide(text);
  result = RegSetValueExW(key, Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  ASSERT_EQ(result, ERROR_SUCCESS) << subkey << "\\" << name;
}

void MakeRegKey(HKEY root, const std::string& subkey) {
  if (HKEY key = CreateKey(root, subkey, 0)) RegCloseKey(key);
}

void MakeVolatileKey(HKEY root, const std::string& subkey, REGSAM onlyView) {
  for (REGSAM view : kRegViews) {
    if (onlyView && view != onlyView) continue;
    if (HKEY key = CreateKey(root, subkey, REG_OPTION_VOLATILE, view)) RegCloseKey(key);
  }
}

std::string GetRegValue(HKEY root, const std::string& subkey, const std::string& name, bool* found,
                        DWORD* type, REGSAM view) {
  if (found) *found = false;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
    return std::string();
  }
  DWORD valueType = 0;
  DWORD size = 0;
  std::string bytes;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &valueType, nullptr, &size) == ERROR_SUCCESS) {
    std::vector<BYTE> data(size + 1);
    if (RegQueryValueExA(key, name.c_str(), nullptr, &valueType, data.data(), &size) ==
        ERROR_SUCCESS) {
      bytes.assign(reinterpret_cast<const char*>(data.data()), size);
      if (found) *found = true;
      if (type) *type = valueType;
    }
  }
  RegCloseKey(key);
  return bytes;
}
