// Reading a payload resource.
#include "tests/driver/payload_reader.h"

#include "install/payload_writer.h"

std::string PayloadBytes(const char* name, HMODULE module) {
  HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(kPayloadResourceType));
  if (!resource) return std::string();
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
  return std::string(bytes, SizeofResource(module, resource));
}
