// Reads the plug-in payload that a module carries, to compare with what an installation wrote.
#pragma once

#include <windows.h>

#include <string>

// The bytes of the module's payload resource of that name (null module: this exe); "" when it has
// none.
std::string PayloadBytes(const char* name, HMODULE module = nullptr);
