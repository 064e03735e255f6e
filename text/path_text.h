// Folder paths and resource names as byte texts in the ANSI code page, edited in place.
#pragma once

#include <stddef.h>

#include "text/bounded_text.h"

// Folder paths live in buffers of this size: at most 399 characters and the NUL.
const size_t kFolderTextSize = 400;

// Lower-cases A to Z only, as the runtime's _strlwr does in the C locale.
void LowerCaseAscii(char* text);

// Lower-cases the text, then upper-cases each ASCII letter that starts it or follows a non-letter.
void TitleCasePath(char* text);

// Appends a backslash unless the text already ends in one. An empty text is left alone.
// Returns false, with the text unchanged, when there is no room for the backslash.
bool AddTrailingBackslash(char* text, size_t size);

// Removes leading non-letters; a text longer than 390 characters is cut to 390 first
// (but only when it does not start with a letter).
char* StripLeadingNonLetters(char* text);

// Ends the text just after the rightmost ch among positions length-2 down to 1.
char* CutAfterLastChar(char* text, char ch);

// dest = base (or dest's own text when base is null), a backslash if missing, then name.
// Returns false, with dest unchanged, when the result would not fit destSize.
bool JoinPath(char* dest, size_t destSize, const char* name, const char* base);

// The Path probe: tries the text as the current directory, trimming one character at a time
// down to the previous backslash (whose parent folder is tried last). On success the text is
// the folder entered; on failure it is left shortened. Drive roots are never accepted.
bool ProbePath(char* text);

// Turns a payload resource name (stored in capitals) into the file name written to disk.
char* PrettifyFileName(char* name);
