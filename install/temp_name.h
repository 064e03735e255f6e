// Names for the temporary files that new plug-ins are written to before they replace the old.
#pragma once

#include <windows.h>

// "~gl", 16 hexadecimal digits and ".tmp", with the NUL.
const int kTempNameSize = 24;

// A name that nobody can guess or fill in advance: 64 bits from the system's random generator,
// never from the clock. False when the generator fails.
bool MakeTempName(wchar_t (&name)[kTempNameSize]);
