// The .ico/.cur directory reader.
#include "encode/IconFile.h"

#include "resformat/Bytes.h"

namespace rc {

using fileaccess::FormatError;

fileaccess::Result<IconDirectory> ReadIconDirectory(std::string_view file) {
    constexpr std::size_t kHeader = 6, kEntry = 16, kBitmapInfo = 40;
    if (file.size() < kHeader) return FormatError("truncated icon directory: the file is shorter than its header");
    if (ReadU16(file, 0) != 0) return FormatError("not an icon or cursor file (reserved field is not 0)", fileaccess::ErrorKind::Signature);
    IconDirectory directory;
    directory.type = ReadU16(file, 2);
    if (directory.type != 1 && directory.type != 2) return FormatError("not an icon or cursor file (unknown type)", fileaccess::ErrorKind::Signature);
    const std::size_t count = ReadU16(file, 4);
    if (file.size() < kHeader + count * kEntry) {
        return FormatError("truncated icon directory: " + std::to_string(count) + " images announced, the file ends before their entries");
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeader + i * kEntry;
        IconImage image;
        image.width = static_cast<std::uint8_t>(file[at]);
        image.height = static_cast<std::uint8_t>(file[at + 1]);
        image.colorCount = static_cast<std::uint8_t>(file[at + 2]);
        image.reserved = static_cast<std::uint8_t>(file[at + 3]);
        image.planes = ReadU16(file, at + 4);
        image.bitCount = ReadU16(file, at + 6);
        image.size = ReadU32(file, at + 8);
        image.offset = ReadU32(file, at + 12);
        if (image.offset > file.size() || image.size > file.size() - image.offset) {
            return FormatError("image " + std::to_string(i + 1) + " lies beyond the end of the file");
        }
        if (image.size < 4) return FormatError("image " + std::to_string(i + 1) + " is too small to be an image");
        if (ReadU32(file, image.offset) == kBitmapInfo && image.size < kBitmapInfo) {
            return FormatError("image " + std::to_string(i + 1) + " has a truncated bitmap header");
        }
        image.bytes = file.substr(image.offset, image.size);
        directory.images.push_back(image);
    }
    return directory;
}

std::pair<std::uint16_t, std::uint16_t> ImageFormat(std::string_view image) {
    if (image.size() >= 40 && ReadU32(image, 0) == 40) return {ReadU16(image, 12), ReadU16(image, 14)};
    return {1, 32};
}

}  // namespace rc
