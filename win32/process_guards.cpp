// The single-instance mutex and the COM apartment guards.
#include "win32/process_guards.h"

#include <objbase.h>

InstanceMutex::InstanceMutex()
    : mutex_(CreateMutexW(nullptr, TRUE, L" ")),
      anotherInstance_(GetLastError() == ERROR_ALREADY_EXISTS) {}

InstanceMutex::~InstanceMutex() { Close(); }

InstanceMutex::InstanceMutex(InstanceMutex&& other) noexcept
    : mutex_(other.release()), anotherInstance_(other.anotherInstance_) {}

InstanceMutex& InstanceMutex::operator=(InstanceMutex&& other) noexcept {
  if (this != &other) {
    Close();
    anotherInstance_ = other.anotherInstance_;
    mutex_ = other.release();
  }
  return *this;
}

HANDLE InstanceMutex::release() {
  HANDLE mutex = mutex_;
  mutex_ = nullptr;
  return mutex;
}

void InstanceMutex::Close() {
  if (!mutex_) return;
  // Releasing a mutex that another instance owns fails harmlessly.
  ReleaseMutex(mutex_);
  CloseHandle(release());
}

ComApartment::ComApartment()
    : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() { Leave(); }

ComApartment::ComApartment(ComApartment&& other) noexcept : entered_(other.release()) {}

ComApartment& ComApartment::operator=(ComApartment&& other) noexcept {
  if (this != &other) {
    Leave();
    entered_ = other.release();
  }
  return *this;
}

bool ComApartment::release() {
  bool entered = entered_;
  entered_ = false;
  return entered;
}

void ComApartment::Leave() {
  if (release()) CoUninitialize();
}
