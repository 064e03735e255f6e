// Guards for what the installer borrows from COM: one interface reference, one BSTR.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <unknwn.h>

// Holds one reference to a COM interface and releases it exactly once.
template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  // Takes over a reference the caller holds.
  explicit ComRef(Interface* pointer) : pointer_(pointer) {}
  ~ComRef() {
    if (pointer_) pointer_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef(ComRef&& other) noexcept : pointer_(other.release()) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      if (pointer_) pointer_->Release();
      pointer_ = other.release();
    }
    return *this;
  }

  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  bool valid() const { return pointer_ != nullptr; }
  // Where a call that hands out a new reference puts it (the guard holds none yet).
  Interface** receive() { return &pointer_; }
  void** receiveAny() { return reinterpret_cast<void**>(&pointer_); }
  Interface* release() {
    Interface* pointer = pointer_;
    pointer_ = nullptr;
    return pointer;
  }

 private:
  Interface* pointer_ = nullptr;
};

// Owns one BSTR made from a text; frees it exactly once.
class BstrText {
 public:
  explicit BstrText(const wchar_t* text) : text_(SysAllocString(text)) {}
  ~BstrText() { SysFreeString(text_); }
  BstrText(const BstrText&) = delete;
  BstrText& operator=(const BstrText&) = delete;
  BstrText(BstrText&& other) noexcept : text_(other.release()) {}
  BstrText& operator=(BstrText&& other) noexcept {
    if (this != &other) {
      SysFreeString(text_);
      text_ = other.release();
    }
    return *this;
  }

  BSTR get() const { return text_; }
  BSTR release() {
    BSTR text = text_;
    text_ = nullptr;
    return text;
  }

 private:
  BSTR text_;
};
