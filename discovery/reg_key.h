// Owns one open registry key and closes it exactly once.
#pragma once

#include <windows.h>

class RegKey {
 public:
  RegKey() = default;
  ~RegKey() { Close(); }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  RegKey(RegKey&& other) noexcept : key_(other.release()) {}
  RegKey& operator=(RegKey&& other) noexcept {
    if (this != &other) {
      Close();
      key_ = other.release();
    }
    return *this;
  }

  LONG Open(HKEY root, const wchar_t* subkey, REGSAM access) {
    Close();
    return RegOpenKeyExW(root, subkey, 0, access, &key_);
  }
  LONG Create(HKEY root, const wchar_t* subkey, REGSAM access) {
    Close();
    return RegCreateKeyExW(root, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                           nullptr, &key_, nullptr);
  }
  HKEY get() const { return key_; }
  HKEY release() {
    HKEY key = key_;
    key_ = nullptr;
    return key;
  }

 private:
  void Close() {
    if (key_) RegCloseKey(release());
  }
  HKEY key_ = nullptr;
};
