// Guards for GDI handles and device contexts: each gives back its handle exactly once.
#pragma once

#include <windows.h>

// Owns one handle and frees it with Free exactly once.
template <typename Handle, typename Free>
class UniqueGdiHandle {
 public:
  UniqueGdiHandle() = default;
  explicit UniqueGdiHandle(Handle handle) : handle_(handle) {}
  ~UniqueGdiHandle() { reset(nullptr); }
  UniqueGdiHandle(const UniqueGdiHandle&) = delete;
  UniqueGdiHandle& operator=(const UniqueGdiHandle&) = delete;
  UniqueGdiHandle(UniqueGdiHandle&& other) noexcept : handle_(other.release()) {}
  UniqueGdiHandle& operator=(UniqueGdiHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  void reset(Handle handle) {
    if (handle_) Free()(handle_);
    handle_ = handle;
  }
  Handle get() const { return handle_; }
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct DeleteMemDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// Not GDI, but freed in the same way: a cursor loaded at a size of its own (never a shared one).
struct DestroyCursorHandle {
  void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
using OwnedCursor = UniqueGdiHandle<HCURSOR, DestroyCursorHandle>;

// A memory device context, freed with DeleteDC.
using MemDc = UniqueGdiHandle<HDC, DeleteMemDc>;

// A GDI object (bitmap, font, brush), freed with DeleteObject. Free it only once it is
// selected out of every device context.
template <typename Handle>
using GdiObject = UniqueGdiHandle<Handle, DeleteGdiObject>;

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  WindowDc() = default;
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { reset(); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  WindowDc(WindowDc&& other) noexcept : window_(other.window_), dc_(other.release()) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      reset();
      window_ = other.window_;
      dc_ = other.release();
    }
    return *this;
  }
  // Gives the device context back now; the guard is then empty.
  void reset() {
    if (dc_) ReleaseDC(window_, release());
  }
  HDC get() const { return dc_; }
  HDC release() {
    HDC dc = dc_;
    dc_ = nullptr;
    return dc;
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// Selects an object into a device context and puts the one it replaced back at the end.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectGuard() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  SelectGuard(SelectGuard&& other) noexcept : dc_(other.dc_), previous_(other.release()) {}
  SelectGuard& operator=(SelectGuard&&) = delete;
  HGDIOBJ release() {
    HGDIOBJ previous = previous_;
    previous_ = nullptr;
    return previous;
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
