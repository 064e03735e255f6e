// Test helpers that prepare the real platform: folders and files on the mapped drives, and
// registry keys that are removed again whatever the test does.
#pragma once

#include <windows.h>

#include <string>

// Texts in the tests are UTF-8; the product's are UTF-16. Invalid UTF-8 does not convert.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& text);

// Paths below are UTF-8.
// Creates every missing level of a folder path such as D:\A\B.
void MakeFolders(const std::string& path);

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);  // empty when the file cannot be read
bool FileExists(const std::string& path);

// Makes link a symbolic link to target (both Windows paths on mapped drives). Wine cannot make
// junctions, so a Unix symlink stands in: a link to a folder shows as a reparse point, a link to
// a file only through the final path of a handle opened by it.
void MakeLink(const std::string& link, const std::string& target);

// The process's current directory, as Wine reports it.
std::string CurrentDirectory();

// HKEY_LOCAL_MACHINE's views where Windows has two (the installer reads and writes both); 32-bit
// Windows ignores the flags, and HKEY_CURRENT_USER and HKEY_USERS have one view.
const REGSAM kRegViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

// Deletes a registry subtree in every view.
void DeleteRegTree(HKEY root, const std::string& subkey);

// Deletes a registry subtree (in every view) when constructed and again when destroyed.
class ScopedRegTree {
 public:
  ScopedRegTree(HKEY root, std::string subkey);
  ~ScopedRegTree();
  ScopedRegTree(const ScopedRegTree&) = delete;
  ScopedRegTree& operator=(const ScopedRegTree&) = delete;

 private:
  HKEY root_;
  std::string subkey_;
};

void SetRegValue(HKEY root, const std::string& subkey, const std::string& name, DWORD type,
                 const std::string& bytes);
// A REG_SZ value stored with its terminating NUL; subkey, name and text are UTF-8. view: a
// KEY_WOW64 flag, or 0 for this process's own view.
void SetRegString(HKEY root, const std::string& subkey, const std::string& name,
                  const std::string& text, REGSAM view = 0);
// Creates the key without values.
void MakeRegKey(HKEY root, const std::string& subkey);
// Creates a volatile key, in every view or only in onlyView: no lasting key can be created below it.
void MakeVolatileKey(HKEY root, const std::string& subkey, REGSAM onlyView = 0);
// The value's raw bytes, or nullopt-like empty with found = false.
std::string GetRegValue(HKEY root, const std::string& subkey, const std::string& name,
                        bool* found = nullptr, DWORD* type = nullptr, REGSAM view = 0);
