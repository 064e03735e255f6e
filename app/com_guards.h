// Guards for what the installer borrows from COM: one interface reference.
#pragma once

#include <windows.h>
#include <unknwn.h>

// Holds one reference to a COM interface and releases it exactly once.
template <class Interface>
class ComRef {
 public:
  ComRef() = default;
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
  bool valid() const { return pointer_ != nullptr; }
  Interface* release() {
    Interface* pointer = pointer_;
    pointer_ = nullptr;
    return pointer;
  }

 private:
  Interface* pointer_ = nullptr;
};
