// Folder paths and resource names as UTF-16 texts, edited in place. Case changes touch only the
// ASCII letters: a name in any other script stays exactly as stored.
#pragma once

#include <stddef.h>

#include "text/bounded_text.h"

// Folder paths live in buffers of this size: at most 399 characters and the NUL.
const size_t kFolderTextSize = 400;

// Lower-cases A to Z only.
void LowerCaseAscii(wchar_t* text);

// Lower-cases the text, then upper-cases each ASCII letter that starts it or follows a non-letter.
void TitleCasePath(wchar_t* text);

// Appends a backslash unless the text already ends in one. An empty text is left alone.
// Returns false, with the text unchanged, when there is no room for the backslash.
bool AddTrailingBackslash(wchar_t* text, size_t size);

// Removes leading non-letters; a text longer than 390 characters is cut to 390 first
// (but only when it does not start with a letter).
wchar_t* StripLeadingNonLetters(wchar_t* text);

// Ends the text just after the rightmost ch among positions length-2 down to 1.
wchar_t* CutAfterLastChar(wchar_t* text, wchar_t ch);

// dest = base (or dest's own text when base is null), a backslash if missing, then name.
// Returns false, with dest unchanged, when the result would not fit destSize.
bool JoinPath(wchar_t* dest, size_t destSize, const wchar_t* name, const wchar_t* base);

// The Path probe: tries the text as the current directory, trimming one character at a time
// down to the previous backslash (whose parent folder is tried last). On success the text is
// the folder entered; on failure it is left shortened. Drive roots are never accepted.
bool ProbePath(wchar_t* text);

// Turns a payload resource name (stored in capitals) into the file name written to disk.
wchar_t* PrettifyFileName(wchar_t* name);
