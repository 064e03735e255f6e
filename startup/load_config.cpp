// The exe's load-configuration record. Its DependentLoadFlags makes Windows 10 and later look for
// the DLLs that the exe imports, which load before any of its code can restrict the search, in
// System32 only. GNU ld does not point the header at it, so tools/set-load-config.py does after
// the link; an MSVC build leaves this file out and links with /DEPENDENTLOADFLAG:0x800 instead.
#include <windows.h>

namespace {

constexpr IMAGE_LOAD_CONFIG_DIRECTORY MakeLoadConfig() {
  IMAGE_LOAD_CONFIG_DIRECTORY record = {};
  record.Size = sizeof record;
  // mingw's headers still call DependentLoadFlags by its old name.
  record.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;
  return record;
}

}  // namespace

// The name the system's own runtimes give the record; the link keeps it by this name.
extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = MakeLoadConfig();
