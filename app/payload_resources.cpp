// Enumerating the payload resources.
#include "app/payload_resources.h"

BOOL EnumPayloadResources(HMODULE module, ENUMRESNAMEPROCA onName, LONG_PTR param) {
  return EnumResourceNamesA(module, MAKEINTRESOURCEA(kPayloadResourceType), onName, param);
}
