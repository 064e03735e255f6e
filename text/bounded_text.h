// Bounded copies into fixed-size text fields: the one way any text enters a field.
#pragma once

#include <stddef.h>

// Each comes for byte texts (the window's own texts) and for UTF-16 texts (paths, names and
// registry data); sizes are counted in characters of the text's kind.

// Copies src into dest only when it fits whole (with its NUL); otherwise dest is unchanged.
// A path cut short could name another, existing folder, so callers never store a partial text.
bool CopyText(char* dest, size_t destSize, const char* src);
bool CopyText(wchar_t* dest, size_t destSize, const wchar_t* src);

// Appends src to dest only when the result fits whole; otherwise dest is unchanged.
bool AppendText(char* dest, size_t destSize, const char* src);
bool AppendText(wchar_t* dest, size_t destSize, const wchar_t* src);

// Copies text into a field of fieldSize characters, cutting it to fit; null gives an empty text.
// For texts that are only shown, where a shortened text does no harm.
void CopyField(char* field, size_t fieldSize, const char* text);
void CopyField(wchar_t* field, size_t fieldSize, const wchar_t* text);
