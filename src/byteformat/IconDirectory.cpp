// The icon and cursor directory reader.
#include "byteformat/IconDirectory.h"

#include "byteformat/ByteReader.h"

namespace byteformat {

namespace {

constexpr std::size_t kHeaderSize = 6, kEntrySize = 16;

IconDirectoryEntry ReadEntry(ByteReader& in, std::string_view file) {
    IconDirectoryEntry entry;
    entry.width = in.U8();
    entry.height = in.U8();
    entry.colorCount = in.U8();
    entry.reserved = in.U8();
    entry.planes = in.U16();
    entry.bitCount = in.U16();
    entry.size = in.U32();
    entry.offset = in.U32();
    entry.inside = Fits(file.size(), entry.offset, entry.size);
    if (entry.inside) entry.bytes = file.substr(entry.offset, entry.size);
    return entry;
}

}  // namespace

Parsed<IconDirectory, IconDirectoryFault> ReadIconDirectory(std::string_view file) {
    if (file.size() < kHeaderSize) return IconDirectoryFault::ShorterThanHeader;
    ByteReader in(file);
    if (in.U16() != 0) return IconDirectoryFault::ReservedNotZero;
    IconDirectory directory;
    directory.type = in.U16();
    if (directory.type != IconDirectory::kIcon && directory.type != IconDirectory::kCursor)
        return IconDirectoryFault::UnknownType;
    const std::size_t count = in.U16();
    if (!in.Has(count * kEntrySize)) return IconDirectoryFault::EntriesCutShort;
    directory.entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) directory.entries.push_back(ReadEntry(in, file));
    return directory;
}

}  // namespace byteformat
