// Owns one file opened with the runtime's fopen and closes it exactly once.
#pragma once

#include <stdio.h>

class StdioFile {
 public:
  StdioFile() = default;
  ~StdioFile() { Close(); }
  StdioFile(const StdioFile&) = delete;
  StdioFile& operator=(const StdioFile&) = delete;
  StdioFile(StdioFile&& other) noexcept : file_(other.release()) {}
  StdioFile& operator=(StdioFile&& other) noexcept {
    if (this != &other) {
      Close();
      file_ = other.release();
    }
    return *this;
  }

  bool Open(const wchar_t* path, const wchar_t* mode) {
    Close();
    file_ = _wfopen(path, mode);
    return file_ != nullptr;
  }
  FILE* get() const { return file_; }
  FILE* release() {
    FILE* file = file_;
    file_ = nullptr;
    return file;
  }

 private:
  void Close() {
    if (file_) fclose(release());
  }
  FILE* file_ = nullptr;
};
