// Thin registry reads and writes for discovery and installation. Each call opens and closes its
// key, except the enumerations on a key the caller holds open (a walk over many keys saves an
// open and a close per step); results are Win32 error codes (0 on success) for the caller to judge.
#pragma once

#include <windows.h>

// Names and data read from the registry fit this buffer size (in characters), or the read fails.
const DWORD kRegTextSize = 256;

// Reads a REG_SZ value ("" for the default value) into buffer (kRegTextSize characters). A value
// of another type reads as an empty text with result 0, if it fits kRegTextSize bytes. A string
// that fills the buffer without a terminating NUL counts as too long (ERROR_MORE_DATA). On error
// the buffer's content means nothing. view is a registry view's flag (registry_views.h), or 0 for
// the process's own view.
LONG ReadRegString(HKEY root, const wchar_t* subkey, const wchar_t* valueName, wchar_t* buffer,
                   REGSAM view = 0);

// Returns one value of the key per call, through a process-wide cursor that moves on after each
// call and goes back to 0 on any error; so callers enumerate one key until the result is not 0.
// name and data are kRegTextSize characters; non-string values come with empty data.
LONG EnumRegStringValue(HKEY root, const wchar_t* subkey, wchar_t* name, wchar_t* data);

// EnumRegStringValue on a key that the caller holds open for reading. A caller that cannot open
// the key calls ResetRegValueCursor instead, as EnumRegStringValue does then.
LONG EnumOpenRegStringValue(HKEY key, wchar_t* name, wchar_t* data);
void ResetRegValueCursor();

// Reads the name of subkey number index into name (kRegTextSize characters).
LONG EnumRegSubkey(HKEY root, const wchar_t* subkey, wchar_t* name, DWORD index);
// EnumRegSubkey on a key that the caller holds open for reading.
LONG EnumOpenRegSubkey(HKEY key, wchar_t* name, DWORD index);

// The roots that took a value, as bits: HKEY_LOCAL_MACHINE's is its view's.
const int kRootCurrentUser = 1;
const int kRootLocalMachine = 2;  // the one view of 32-bit Windows
const int kRootLocalMachine64 = 4;
const int kRootLocalMachine32 = 8;

// Writes the value under HKEY_CURRENT_USER and then HKEY_LOCAL_MACHINE, in each of its views
// (REG_SZ when isString, else REG_BINARY; size in bytes, a string's UTF-16 data with its NUL).
// Returns 0 when at least one root took the value, else the current user's error; *roots (when
// given) gets the kRoot bits of the roots that took it.
LONG WriteRegValueBothHives(const wchar_t* valueName, const wchar_t* subkey, const void* data,
                            DWORD size, bool isString, int* roots = nullptr);
