// Guards for every kind of handle the installer holds: each gives its handle back exactly once.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <wincrypt.h>
#include <oleauto.h>
#include <shtypes.h>
#include <stdio.h>

// Owns one handle and frees it with Kind::Free exactly once. Kind names the handle type
// (Handle), its empty value (Empty()) and how it is freed (Free, true when that succeeded).
template <typename Kind>
class UniqueHandle {
 public:
  using Handle = typename Kind::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() {
    if (valid()) Kind::Free(handle_);
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  bool valid() const { return handle_ != Kind::Empty(); }
  Handle get() const { return handle_; }
  Handle release() {
    Handle handle = handle_;
    handle_ = Kind::Empty();
    return handle;
  }
  // Freeing can fail (a network volume reporting a late write error), so callers may ask.
  bool Close() { return !valid() || Kind::Free(release()); }
  void reset(Handle handle) {
    if (valid()) Kind::Free(handle_);
    handle_ = handle;
  }
  // Where a call that hands out a new handle puts it; the guard holds none yet.
  Handle* receive() { return &handle_; }

 private:
  Handle handle_ = Kind::Empty();
};

// The kind of a handle that is null when empty; the kind itself says how it is freed.
template <typename Null>
struct NullIsEmpty {
  using Handle = Null;
  static Handle Empty() { return nullptr; }
};

// A kernel object (a token, a mutex) with null as its failure value, closed with CloseHandle.
struct KernelHandleKind : NullIsEmpty<HANDLE> {
  static bool Free(Handle handle) { return CloseHandle(handle) != FALSE; }
};
using KernelHandle = UniqueHandle<KernelHandleKind>;

// A file from CreateFile, whose failure value is INVALID_HANDLE_VALUE.
struct FileHandleKind {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static bool Free(Handle handle) { return CloseHandle(handle) != FALSE; }
};
using FileHandle = UniqueHandle<FileHandleKind>;

// A mutex this process took when making it: released, then closed.
struct HeldMutexKind : NullIsEmpty<HANDLE> {
  static bool Free(Handle handle) {
    // Releasing a mutex that another instance owns fails harmlessly.
    ReleaseMutex(handle);
    return CloseHandle(handle) != FALSE;
  }
};
using HeldMutex = UniqueHandle<HeldMutexKind>;

struct RegKeyKind : NullIsEmpty<HKEY> {
  static bool Free(Handle key) { return RegCloseKey(key) == ERROR_SUCCESS; }
};

// An open registry key.
class RegKey : public UniqueHandle<RegKeyKind> {
 public:
  LONG Open(HKEY root, const wchar_t* subkey, REGSAM access) {
    Close();
    return RegOpenKeyExW(root, subkey, 0, access, receive());
  }
  LONG Create(HKEY root, const wchar_t* subkey, REGSAM access) {
    Close();
    return RegCreateKeyExW(root, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                           receive(), nullptr);
  }
};

struct StdioFileKind : NullIsEmpty<FILE*> {
  static bool Free(Handle file) { return fclose(file) == 0; }
};

// A file opened with the runtime's _wfopen.
class StdioFile : public UniqueHandle<StdioFileKind> {
 public:
  bool Open(const wchar_t* path, const wchar_t* mode) {
    Close();
    *receive() = _wfopen(path, mode);
    return valid();
  }
};

// A memory device context, freed with DeleteDC.
struct MemDcKind : NullIsEmpty<HDC> {
  static bool Free(Handle dc) { return DeleteDC(dc) != FALSE; }
};
using MemDc = UniqueHandle<MemDcKind>;

// A GDI object (bitmap, font, brush), freed with DeleteObject. Free it only once it is
// selected out of every device context.
template <typename Object>
struct GdiObjectKind : NullIsEmpty<Object> {
  static bool Free(Object object) { return DeleteObject(object) != FALSE; }
};
template <typename Object>
using GdiObject = UniqueHandle<GdiObjectKind<Object>>;

// A cursor loaded at a size of its own (never a shared one), destroyed with DestroyCursor.
struct CursorKind : NullIsEmpty<HCURSOR> {
  static bool Free(Handle cursor) { return DestroyCursor(cursor) != FALSE; }
};
using OwnedCursor = UniqueHandle<CursorKind>;

// A window hook, removed with UnhookWindowsHookEx.
struct HookKind : NullIsEmpty<HHOOK> {
  static bool Free(Handle hook) { return UnhookWindowsHookEx(hook) != FALSE; }
};
using Hook = UniqueHandle<HookKind>;

// A BSTR, freed with SysFreeString.
struct BstrKind : NullIsEmpty<BSTR> {
  static bool Free(Handle text) {
    SysFreeString(text);
    return true;
  }
};
using Bstr = UniqueHandle<BstrKind>;

// A shell item list the shell allocated, freed with CoTaskMemFree.
struct ItemListKind : NullIsEmpty<PIDLIST_ABSOLUTE> {
  static bool Free(Handle items) {
    CoTaskMemFree(items);
    return true;
  }
};
using ItemList = UniqueHandle<ItemListKind>;

template <class Interface>
struct ComRefKind : NullIsEmpty<Interface*> {
  static bool Free(Interface* pointer) {
    pointer->Release();
    return true;
  }
};

// One reference to a COM interface.
template <class Interface>
class ComRef : public UniqueHandle<ComRefKind<Interface>> {
 public:
  ComRef() = default;
  // Takes over a reference the caller holds.
  explicit ComRef(Interface* pointer) : UniqueHandle<ComRefKind<Interface>>(pointer) {}
  Interface* operator->() const { return this->get(); }
  void** receiveAny() { return reinterpret_cast<void**>(this->receive()); }
};

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  WindowDc() = default;
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { reset(); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  // Gives the device context back now, then borrows one of the window.
  void Borrow(HWND window) {
    reset();
    window_ = window;
    dc_ = GetDC(window);
  }
  // Gives the device context back now; the guard is then empty.
  void reset() {
    if (dc_) ReleaseDC(window_, dc_);
    dc_ = nullptr;
  }
  HDC get() const { return dc_; }

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

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A single-threaded COM apartment for this thread, left again at the end.
class ComApartment {
 public:
  ComApartment()
      : entered_(SUCCEEDED(
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (entered_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool entered_;
};

// The named mutex " " that marks a running installer, taken when made.
class InstanceMutex {
 public:
  InstanceMutex()
      : mutex_(CreateMutexW(nullptr, TRUE, L" ")),
        anotherInstance_(GetLastError() == ERROR_ALREADY_EXISTS) {}
  InstanceMutex(const InstanceMutex&) = delete;
  InstanceMutex& operator=(const InstanceMutex&) = delete;

  // True when another installer already held the mutex when this one was made.
  bool AnotherInstanceRuns() const { return anotherInstance_; }

 private:
  HeldMutex mutex_;
  bool anotherInstance_;
};

// A CryptoAPI provider context, released with CryptReleaseContext.
struct CryptProviderKind {
  using Handle = HCRYPTPROV;
  static Handle Empty() { return 0; }
  static bool Free(Handle provider) { return CryptReleaseContext(provider, 0) != FALSE; }
};
using CryptProvider = UniqueHandle<CryptProviderKind>;

// A CryptoAPI hash object, destroyed with CryptDestroyHash.
struct CryptHashKind {
  using Handle = HCRYPTHASH;
  static Handle Empty() { return 0; }
  static bool Free(Handle hash) { return CryptDestroyHash(hash) != FALSE; }
};
using CryptHash = UniqueHandle<CryptHashKind>;

// Memory the system allocated for the caller (a security descriptor), freed with LocalFree.
struct LocalMemoryKind : NullIsEmpty<void*> {
  static bool Free(Handle memory) { return LocalFree(memory) == nullptr; }
};
using LocalMemory = UniqueHandle<LocalMemoryKind>;

// A byte block from new[], freed with delete[].
struct ByteBlockKind : NullIsEmpty<BYTE*> {
  static bool Free(Handle bytes) {
    delete[] bytes;
    return true;
  }
};
using ByteBlock = UniqueHandle<ByteBlockKind>;
