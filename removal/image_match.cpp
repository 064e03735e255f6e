// Comparing a file with the mapped image of a module, relocations and bound imports taken out.
#include "removal/image_match.h"

#include <stddef.h>
#include <string.h>

#include <new>

#include "win32/handle_guards.h"

namespace {

#ifdef _WIN64
const WORD kPointerRelocation = IMAGE_REL_BASED_DIR64;
#else
const WORD kPointerRelocation = IMAGE_REL_BASED_HIGHLOW;
#endif

// True when [offset, offset + length) lies inside a buffer of total bytes.
bool Within(DWORD offset, DWORD length, DWORD total) {
  return offset <= total && length <= total - offset;
}

// The image's own relocations undone in its copy: every pointer slot back to its linked value.
bool Unrelocate(BYTE* copy, DWORD imageSize, const IMAGE_DATA_DIRECTORY& table, ULONG_PTR delta) {
  if (!Within(table.VirtualAddress, table.Size, imageSize)) return false;
  DWORD at = table.VirtualAddress;
  const DWORD end = table.VirtualAddress + table.Size;
  while (end - at >= sizeof(IMAGE_BASE_RELOCATION)) {
    IMAGE_BASE_RELOCATION block;
    memcpy(&block, copy + at, sizeof block);
    if (block.SizeOfBlock < sizeof block || block.SizeOfBlock > end - at) return false;
    for (DWORD entry = sizeof block; entry + sizeof(WORD) <= block.SizeOfBlock;
         entry += sizeof(WORD)) {
      WORD slot;
      memcpy(&slot, copy + at + entry, sizeof slot);
      const WORD type = slot >> 12;
      if (type == IMAGE_REL_BASED_ABSOLUTE) continue;  // padding
      const DWORD rva = block.VirtualAddress + (slot & 0xFFF);
      if (type != kPointerRelocation || rva < block.VirtualAddress ||
          !Within(rva, sizeof(ULONG_PTR), imageSize)) {
        return false;
      }
      ULONG_PTR value;
      memcpy(&value, copy + rva, sizeof value);
      value -= delta;
      memcpy(copy + rva, &value, sizeof value);
    }
    at += block.SizeOfBlock;
  }
  return true;
}

// The loader writes each imported address over its name's slot; the name slots stand beside them.
bool Unbind(BYTE* copy, DWORD imageSize, const IMAGE_DATA_DIRECTORY& table) {
  if (table.Size == 0) return true;
  if (!Within(table.VirtualAddress, table.Size, imageSize)) return false;
  for (DWORD at = table.VirtualAddress;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    if (!Within(at, sizeof(IMAGE_IMPORT_DESCRIPTOR), imageSize)) return false;
    IMAGE_IMPORT_DESCRIPTOR library;
    memcpy(&library, copy + at, sizeof library);
    if (library.Name == 0) return true;
    if (library.OriginalFirstThunk == 0) return false;  // no names kept beside the addresses
    for (DWORD i = 0;; i += sizeof(ULONG_PTR)) {
      if (!Within(library.OriginalFirstThunk + i, sizeof(ULONG_PTR), imageSize) ||
          !Within(library.FirstThunk + i, sizeof(ULONG_PTR), imageSize)) {
        return false;
      }
      memcpy(copy + library.FirstThunk + i, copy + library.OriginalFirstThunk + i,
             sizeof(ULONG_PTR));
      ULONG_PTR name;
      memcpy(&name, copy + library.OriginalFirstThunk + i, sizeof name);
      if (name == 0) break;
    }
  }
}

// The program's own variables change as it runs, so the image vouches for a writable section only
// when it holds a table that is only ever read (the imports, the resources). The installer's
// make-up check keeps any other writable data out of it.
bool ImageVouchesFor(const IMAGE_SECTION_HEADER& section, const IMAGE_DATA_DIRECTORY* tables) {
  if (!(section.Characteristics & IMAGE_SCN_MEM_WRITE)) return true;
  const DWORD imports = tables[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  const DWORD resources = tables[IMAGE_DIRECTORY_ENTRY_RESOURCE].VirtualAddress;
  return imports - section.VirtualAddress < section.Misc.VirtualSize ||
         resources - section.VirtualAddress < section.Misc.VirtualSize;
}

}  // namespace

bool FileIsImage(const BYTE* file, DWORD size, HMODULE image) {
  const BYTE* base = reinterpret_cast<const BYTE*>(image);
  const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const DWORD imageSize = nt->OptionalHeader.SizeOfImage;
  const DWORD headersSize = nt->OptionalHeader.SizeOfHeaders;
  const DWORD sections = nt->FileHeader.NumberOfSections;
  const DWORD sectionTable = static_cast<DWORD>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS);
  const DWORD imageBaseAt = static_cast<DWORD>(dos->e_lfanew) +
                            offsetof(IMAGE_NT_HEADERS, OptionalHeader) +
                            offsetof(IMAGE_OPTIONAL_HEADER, ImageBase);
  if (headersSize > imageSize || headersSize > size ||
      !Within(sectionTable, sections * sizeof(IMAGE_SECTION_HEADER), headersSize)) {
    return false;
  }
  ULONG_PTR fileBase;
  memcpy(&fileBase, file + imageBaseAt, sizeof fileBase);
  const ULONG_PTR actualBase = reinterpret_cast<ULONG_PTR>(base);

  ByteBlock copy(new (std::nothrow) BYTE[imageSize]);
  if (!copy.valid()) return false;
  memcpy(copy.get(), base, imageSize);
  ULONG_PTR mappedBase;
  memcpy(&mappedBase, copy.get() + imageBaseAt, sizeof mappedBase);
  if (mappedBase != fileBase && mappedBase != actualBase) return false;
  memcpy(copy.get() + imageBaseAt, &fileBase, sizeof fileBase);
  const IMAGE_DATA_DIRECTORY* tables = nt->OptionalHeader.DataDirectory;
  if (!Unrelocate(copy.get(), imageSize, tables[IMAGE_DIRECTORY_ENTRY_BASERELOC],
                  actualBase - fileBase) ||
      !Unbind(copy.get(), imageSize, tables[IMAGE_DIRECTORY_ENTRY_IMPORT]) ||
      memcmp(copy.get(), file, headersSize) != 0) {
    return false;
  }
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (DWORD i = 0; i < sections; ++i, ++section) {
    const DWORD raw = section->SizeOfRawData, mapped = section->Misc.VirtualSize;
    const DWORD length = raw < mapped ? raw : mapped;
    const DWORD at = section->PointerToRawData, rva = section->VirtualAddress;
    if (!ImageVouchesFor(*section, tables)) continue;
    if (!Within(at, length, size) || !Within(rva, length, imageSize) ||
        memcmp(copy.get() + rva, file + at, length) != 0) {
      return false;
    }
  }
  return true;
}
