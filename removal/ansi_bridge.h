// Conversions between UTF-16 texts and the ANSI texts that the install writer and the log still
// take, as the system's own ANSI functions convert them.
#pragma once

#include <windows.h>

// Each converts only a text that fits whole (with its NUL); otherwise it returns false.
bool WidenText(const char* text, wchar_t* dest, int destSize);
bool NarrowText(const wchar_t* text, char* dest, int destSize);
