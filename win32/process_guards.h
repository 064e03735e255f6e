// Guards for what the start-up routine holds for the whole run: the single-instance mutex and the
// thread's COM apartment (the folder picker needs one).
#pragma once

#include <windows.h>

// Takes the named mutex " " that marks a running installer; releases and closes it at the end.
class InstanceMutex {
 public:
  InstanceMutex();
  ~InstanceMutex();
  InstanceMutex(const InstanceMutex&) = delete;
  InstanceMutex& operator=(const InstanceMutex&) = delete;
  InstanceMutex(InstanceMutex&& other) noexcept;
  InstanceMutex& operator=(InstanceMutex&& other) noexcept;

  // True when another installer already held the mutex when this one was made.
  bool AnotherInstanceRuns() const { return anotherInstance_; }
  HANDLE release();

 private:
  void Close();
  HANDLE mutex_;
  bool anotherInstance_;
};

// A single-threaded COM apartment for this thread, left again at the end.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ComApartment(ComApartment&& other) noexcept;
  ComApartment& operator=(ComApartment&& other) noexcept;

  // Hands the duty of leaving the apartment to the caller.
  bool release();

 private:
  void Leave();
  bool entered_;
};
