// The thread's last Win32 error, for calls that may fail without setting one.
#pragma once

#include <windows.h>

inline DWORD LastErrorOr(DWORD fallback) {
  DWORD error = GetLastError();
  return error ? error : fallback;
}
