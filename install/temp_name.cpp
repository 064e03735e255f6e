// Names for the temporary files that new plug-ins are written to before they replace the old.
#include "install/temp_name.h"

#include <ntsecapi.h>

bool MakeTempName(wchar_t (&name)[kTempNameSize]) {
  DWORD random[2];
  if (!RtlGenRandom(random, sizeof random)) return false;
  // Always 23 characters: the name fills the buffer exactly.
  wsprintfW(name, L"~gl%08lX%08lX.tmp", random[0], random[1]);
  return true;
}
