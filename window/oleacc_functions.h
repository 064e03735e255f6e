// The two OLEACC functions the Setup window uses, with OLEACC loaded from System32 when first
// needed: it is no KnownDLL, so as a start-up import older Windows would look for it beside the
// exe first.
#pragma once

#include <windows.h>
#include <oleacc.h>

// As LresultFromObject; 0 (the system's default answer) when OLEACC cannot be loaded.
LRESULT LoadedLresultFromObject(REFIID id, WPARAM flags, IUnknown* object);

// As AccessibleObjectFromWindow; E_FAIL when OLEACC cannot be loaded.
HRESULT LoadedAccessibleObjectFromWindow(HWND window, DWORD objectId, REFIID id, void** object);
