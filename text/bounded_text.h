// Bounded copies into fixed-size text fields: the one way any text enters a field.
#pragma once

#include <stdarg.h>
#include <stddef.h>

// Sizes are counted in characters: UTF-16 units for paths, names and registry data, bytes for
// the window's own texts.

// Copies src into dest only when it fits whole (with its NUL); otherwise dest is unchanged.
// A path cut short could name another, existing folder, so callers never store a partial text.
bool CopyText(wchar_t* dest, size_t destSize, const wchar_t* src);

// Appends src to dest only when the result fits whole; otherwise dest is unchanged.
bool AppendText(wchar_t* dest, size_t destSize, const wchar_t* src);

// Copies text into a field of fieldSize characters, cutting it to fit; null gives an empty text.
// For texts that are only shown, where a shortened text does no harm.
void CopyField(char* field, size_t fieldSize, const char* text);
void CopyField(wchar_t* field, size_t fieldSize, const wchar_t* text);

// wvsprintfW writes at most 1,024 characters with the NUL; a field of kFormatSize has one to spare.
const int kFormatSize = 1025;

// Formats into dest, cut at 1,023 characters, and returns the text's length. Windows returns the
// length written, but Wine returns 1,024 for a text it cut, so that length is never trusted.
int FormatText(wchar_t (&dest)[kFormatSize], const wchar_t* format, va_list args);
