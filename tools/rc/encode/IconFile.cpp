// The .ico/.cur directory, read by byteformat, with the checks the compiler makes of each image.
#include "encode/IconFile.h"

#include <tuple>

#include "resformat/Bytes.h"

namespace rc {

using fileaccess::FormatError;

namespace {

fileaccess::Error DirectoryError(byteformat::IconDirectoryFault fault, std::string_view file) {
    using Fault = byteformat::IconDirectoryFault;
    switch (fault) {
        case Fault::ShorterThanHeader:
            return FormatError("truncated icon directory: the file is shorter than its header");
        case Fault::ReservedNotZero:
            return FormatError("not an icon or cursor file (reserved field is not 0)",
                               fileaccess::ErrorKind::Signature);
        case Fault::UnknownType:
            return FormatError("not an icon or cursor file (unknown type)", fileaccess::ErrorKind::Signature);
        case Fault::EntriesCutShort: break;
    }
    return FormatError("truncated icon directory: " + std::to_string(ReadU16(file, 4)) +
                       " images announced, the file ends before their entries");
}

}  // namespace

fileaccess::Result<IconDirectory> ReadIconDirectory(std::string_view file) {
    constexpr std::size_t kBitmapInfo = 40;
    const auto read = byteformat::ReadIconDirectory(file);
    if (!read) return DirectoryError(read.fault(), file);
    IconDirectory directory;
    directory.type = read->type;
    for (std::size_t i = 0; i < read->entries.size(); ++i) {
        const byteformat::IconDirectoryEntry& entry = read->entries[i];
        if (!entry.inside) return FormatError("image " + std::to_string(i + 1) + " lies beyond the end of the file");
        if (entry.size < 4) return FormatError("image " + std::to_string(i + 1) + " is too small to be an image");
        if (ReadU32(entry.bytes, 0) == kBitmapInfo && entry.size < kBitmapInfo) {
            return FormatError("image " + std::to_string(i + 1) + " has a truncated bitmap header");
        }
        directory.images.push_back(entry);
    }
    return directory;
}

std::pair<std::uint16_t, std::uint16_t> ImageFormat(std::string_view image) {
    if (image.size() >= 40 && ReadU32(image, 0) == 40) return {ReadU16(image, 12), ReadU16(image, 14)};
    return {1, 32};
}

namespace {

bool IsPng(std::string_view image) { return image.substr(0, 8) == "\x89PNG\r\n\x1a\n"; }
bool IsDib(std::string_view image) { return image.size() >= 16 && !IsPng(image) && image.substr(0, 4) != "RIFF"; }

}  // namespace

std::string GroupEntry(const IconImage& image, bool cursor, bool win16) {
    std::string entry;
    const std::string_view bytes = image.bytes;
    if (cursor && win16) {
        const auto [planes, bits] = ImageFormat(bytes);
        PutU16(entry, image.width);
        PutU16(entry, static_cast<std::uint16_t>(image.height * 2));  // a cursor's height counts both masks
        PutU16(entry, planes);
        PutU16(entry, bits);
        PutU32(entry, image.size + 4);
        return entry;
    }
    if (cursor) {
        const bool dib = IsDib(bytes);
        PutU16(entry, dib ? ReadU16(bytes, 4) : image.width);
        PutU16(entry, dib ? ReadU16(bytes, 8) : image.height);
        PutU16(entry, dib ? ReadU16(bytes, 12) : image.planes);
        PutU16(entry, dib ? ReadU16(bytes, 14) : image.bitCount);
        PutU32(entry, image.size + 4);  // the hot spot written before the image
        return entry;
    }
    std::uint16_t planes = image.planes, bits = image.bitCount;
    if (win16) {
        std::tie(planes, bits) = ImageFormat(bytes);
    } else if (IsPng(bytes)) {
        planes = 1;
        bits = image.colorCount == 2 ? 1 : image.colorCount == 8 ? 3 : image.colorCount == 16 ? 4 : bits;
    } else if (IsDib(bytes)) {
        planes = ReadU16(bytes, 12);
        bits = ReadU16(bytes, 14);
    }
    PutU8(entry, image.width);
    PutU8(entry, image.height);
    PutU8(entry, image.colorCount);
    PutU8(entry, image.reserved);
    PutU16(entry, planes);
    PutU16(entry, bits);
    PutU32(entry, image.size);
    return entry;
}

}  // namespace rc
