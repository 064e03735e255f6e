// The product's whole C++ runtime: operator new and delete over the process heap, and the pure
// virtual call handler, so that the exe links without libstdc++.
#include <new>

#include <windows.h>

// A failed allocation returns null in every form: the product is built without exceptions and
// checks what new returns.
void* operator new(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); }
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return operator new(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return operator new(size); }

void operator delete(void* block) noexcept {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete(void* block, size_t) noexcept { operator delete(block); }
void operator delete[](void* block, size_t) noexcept { operator delete(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { operator delete(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { operator delete(block); }

#ifndef _MSC_VER
// The tag object that new (std::nothrow) refers to; libstdc++ would otherwise provide it.
namespace std {
const nothrow_t nothrow{};
}

// Called when a pure virtual function is reached through a half-built or destroyed object. The
// process state is then unknown, so it ends at once (MSVC's runtime has _purecall for this).
extern "C" void __cxa_pure_virtual() { ExitProcess(0); }
#endif
