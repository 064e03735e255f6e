"""Reads and patches the headers of a PE image (32-bit or 64-bit): the one reader that the build,
the benchmarks and the make-up checks share.
As a command, `pe_image.py load-config EXE` prints the load-configuration directory's RVA and
size, then the record's own size and its DependentLoadFlags ("-" where there is no record)."""
import struct
import sys

LOAD_CONFIG_ENTRY = 10
CHECKSUM_FIELD = 64  # from the optional header's start


class Image:
    def __init__(self, data):
        self.data = data
        self.pe = struct.unpack_from("<I", data, 0x3C)[0]
        self.optional = self.pe + 24
        self.wide = struct.unpack_from("<H", data, self.optional)[0] == 0x20B

    def field(self, fmt, offset):
        return struct.unpack_from(fmt, self.data, offset)[0]

    def image_base(self):
        return self.field("<Q", self.optional + 24) if self.wide else self.field(
            "<I", self.optional + 28)

    def sections(self):
        """(name, virtual size, RVA, raw size, raw offset) of each section, in table order."""
        count = self.field("<H", self.pe + 6)
        table = self.optional + self.field("<H", self.pe + 20)
        for i in range(count):
            name, vsize, rva, raw_size, raw_offset = struct.unpack_from(
                "<8sIIII", self.data, table + 40 * i)
            yield name.rstrip(b"\0").decode(), vsize, rva, raw_size, raw_offset

    def file_offset(self, rva):
        """The file offset of an RVA, or None when no section holds it."""
        for _, vsize, vaddr, raw_size, raw_offset in self.sections():
            if vaddr <= rva < vaddr + max(vsize, raw_size):
                return raw_offset + rva - vaddr
        return None

    def directory_entry(self, index):
        """The file offset of data directory entry index (its RVA, then its size)."""
        return self.optional + (112 if self.wide else 96) + 8 * index

    def dependent_load_flags_offset(self):
        """Where DependentLoadFlags sits in the load-configuration record."""
        return 0x4E if self.wide else 0x36

    def set_checksum(self):
        """Recomputes the header checksum: 16-bit words summed with end-around carry, plus the
        length, with the checksum field itself counted as zero."""
        struct.pack_into("<I", self.data, self.optional + CHECKSUM_FIELD, 0)
        padded = bytes(self.data) + b"\0" * (len(self.data) % 2)
        total = sum(struct.unpack(f"<{len(padded) // 2}H", padded))
        while total >> 16:
            total = (total & 0xFFFF) + (total >> 16)
        struct.pack_into("<I", self.data, self.optional + CHECKSUM_FIELD, total + len(self.data))


def load_config(path):
    with open(path, "rb") as exe:
        image = Image(exe.read())
    rva, size = struct.unpack_from("<II", image.data, image.directory_entry(LOAD_CONFIG_ENTRY))
    offset = image.file_offset(rva) if rva else None
    if offset is None:
        return f"{rva:x} {size:x} - -"
    record_size = image.field("<I", offset)
    flags = image.field("<H", offset + image.dependent_load_flags_offset())
    return f"{rva:x} {size:x} {record_size} {flags}"


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] != "load-config":
        sys.exit(__doc__)
    print(load_config(sys.argv[2]))
