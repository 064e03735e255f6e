// Comparing dotted release versions.
#include "removal/version_compare.h"

namespace {

// Larger parts are read as this, so that no text can overflow the number.
const unsigned long kPartLimit = 99999999;

// Reads one part and the dot after it; at any other character the text ends.
unsigned long ReadPart(const wchar_t*& text) {
  unsigned long value = 0;
  for (; *text >= L'0' && *text <= L'9'; ++text) {
    value = value * 10 + static_cast<unsigned long>(*text - L'0');
    if (value > kPartLimit) value = kPartLimit;
  }
  if (*text == L'.') {
    ++text;
  } else {
    while (*text) ++text;
  }
  return value;
}

}  // namespace

int CompareVersions(const wchar_t* a, const wchar_t* b) {
  while (*a || *b) {
    unsigned long partA = ReadPart(a);
    unsigned long partB = ReadPart(b);
    if (partA != partB) return partA < partB ? -1 : 1;
  }
  return 0;
}
