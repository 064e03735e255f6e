// COM settings of the elevated process.
#include "win32/com_options.h"

#include <objbase.h>

#include "win32/handle_guards.h"

void RefuseCustomUnmarshalling() {
  ComRef<IGlobalOptions> options;
  if (FAILED(CoCreateInstance(CLSID_GlobalOptions, nullptr, CLSCTX_INPROC_SERVER,
                              __uuidof(IGlobalOptions), options.receiveAny()))) {
    return;
  }
  // Windows 7 knows no such policy and refuses it; nothing else is to be done there.
  options->Set(COMGLB_UNMARSHALING_POLICY, COMGLB_UNMARSHALING_POLICY_STRONG);
}
