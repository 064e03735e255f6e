// Comparing dotted release versions ("1.0.10" against "1.0.9").
#pragma once

// Negative when a is older than b, 0 when they are the same, positive when a is newer. Each part
// between dots is a number; a missing part counts as 0 ("1.0" is "1.0.0"), and reading stops at
// any other character.
int CompareVersions(const wchar_t* a, const wchar_t* b);
