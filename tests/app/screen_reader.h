// Reads a window through Active Accessibility from another process, as a screen reader does:
// the client object from AccessibleObjectFromWindow, then its children by child id.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

class ScreenReader {
 public:
  explicit ScreenReader(HWND window);
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  bool connected() const { return object_ != nullptr; }
  long ChildCount() const;
  // Of the child id (0 is the window's client object); empty, 0 or -1 when the call fails.
  std::string Name(long child) const;
  long Role(long child) const;
  long State(long child) const;
  RECT Location(long child) const;  // screen coordinates
  HRESULT DoDefaultAction(long child) const;
  // The focused child's name; the folder list, which is its own object, reads "folder list".
  std::string FocusedName() const;

 private:
  HWND window_;
  IAccessible* object_ = nullptr;
  bool comEntered_ = false;
};
