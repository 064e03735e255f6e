// A runtime for the installer in which no allocation succeeds, to see it fail safely at start-up.
#include <windows.h>

#include <new>

void* operator new(size_t, const std::nothrow_t&) noexcept { return nullptr; }
void* operator new[](size_t, const std::nothrow_t&) noexcept { return nullptr; }
void operator delete(void*) noexcept {}
void operator delete[](void*) noexcept {}
void operator delete(void*, size_t) noexcept {}
void operator delete[](void*, size_t) noexcept {}

#ifndef _MSC_VER
namespace std {
const nothrow_t nothrow{};
}

extern "C" void __cxa_pure_virtual() { ExitProcess(0); }
#endif
