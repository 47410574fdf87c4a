// DIB headers: core (12 bytes), info (40) and its later forms (52, 56, 108, 124).
#include "preview/Dib.h"

#include <bit>
#include <limits>
#include <string>

#include "byteformat/ByteReader.h"

namespace restallow {
namespace {

using byteformat::ReadU16;
using byteformat::ReadU32;

std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t top = mask >> shift;
    return static_cast<std::uint32_t>((std::uint64_t{(pixel & mask) >> shift} * 255 + top / 2) / top);
}

bool ValidBits(int bits, std::uint32_t compression) {
    switch (compression) {
        case DibFormat::Rgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case DibFormat::Rle8: return bits == 8;
        case DibFormat::Rle4: return bits == 4;
        case DibFormat::BitFields:
        case DibFormat::AlphaBitFields: return bits == 16 || bits == 32;
        default: return false;
    }
}

// The colour masks: in the header (52 bytes and more), after it, or the defaults of the depth.
fileaccess::Status ReadMasks(std::string_view header, std::uint32_t size, bool inIcon, DibFormat& f) {
    if (f.compression == DibFormat::BitFields || f.compression == DibFormat::AlphaBitFields) {
        const std::size_t count = f.compression == DibFormat::AlphaBitFields ? 4 : 3;
        const std::size_t at = size >= 52 ? 40 : size;  // later headers hold the masks themselves
        if (at + 4 * count > header.size()) return fileaccess::FormatError("the bitmap's colour masks are missing");
        for (std::size_t i = 0; i < count; ++i) f.masks[i] = ReadU32(header, at + 4 * i);
        if (size < 52) f.headerBytes += 4 * count;
        if (size >= 56 && count == 3) f.masks[3] = ReadU32(header, 52);
    } else if (f.bitCount == 16) {
        f.masks[0] = 0x7C00, f.masks[1] = 0x03E0, f.masks[2] = 0x001F;
    } else if (f.bitCount == 32) {
        f.masks[0] = 0xFF0000, f.masks[1] = 0xFF00, f.masks[2] = 0xFF;
        f.masks[3] = inIcon ? 0xFF000000u : 0;
    }
    return fileaccess::Ok();
}

}  // namespace

Decoded<DibFormat> ReadDibHeader(std::string_view header, bool inIcon) {
    if (header.size() < 12) return fileaccess::FormatError("the bitmap header is cut short");
    DibFormat f;
    const std::uint32_t size = ReadU32(header, 0);
    std::int64_t height = 0;
    std::size_t paletteEntry = 4, colours = 0;
    if (size == 12) {
        f.width = ReadU16(header, 4);
        height = ReadU16(header, 6);
        f.bitCount = ReadU16(header, 10);
        paletteEntry = 3;
    } else if (size >= 40 && size <= header.size()) {
        const auto width = static_cast<std::int32_t>(ReadU32(header, 4));
        if (width <= 0) return fileaccess::FormatError("the bitmap has no width");
        f.width = width;
        height = static_cast<std::int32_t>(ReadU32(header, 8));
        f.bitCount = ReadU16(header, 14);
        f.compression = ReadU32(header, 16);
        f.sizeImage = ReadU32(header, 20);
        colours = ReadU32(header, 32);
    } else {
        return fileaccess::FormatError("the bitmap header is damaged (its size is " + std::to_string(size) + ")");
    }
    if (!ValidBits(f.bitCount, f.compression)) {
        return fileaccess::FormatError("the bitmap's format (" + std::to_string(f.bitCount) + " bits, compression " +
                                       std::to_string(f.compression) + ") is not one Windows draws");
    }
    f.topDown = height < 0 && (f.compression == DibFormat::Rgb || f.compression >= DibFormat::BitFields);
    if (height < 0) height = -height;
    if (inIcon) height /= 2;
    if (height <= 0 || height > std::numeric_limits<std::int32_t>::max())
        return fileaccess::FormatError("the bitmap has no height");
    f.height = static_cast<int>(height);
    f.headerBytes = size;
    if (const fileaccess::Status masks = ReadMasks(header, size, inIcon, f); !masks) return masks.error();
    if (f.bitCount <= 8) {
        const std::size_t most = std::size_t{1} << f.bitCount;
        if (colours == 0 || colours > most) colours = most;
    } else if (colours > 256) {
        colours = 256;
    }
    const std::size_t paletteBytes = colours * paletteEntry;
    if (f.headerBytes + paletteBytes > header.size())
        return fileaccess::FormatError("the bitmap's palette is cut short");
    for (std::size_t i = 0; i < colours && f.bitCount <= 8; ++i) {
        const std::size_t at = f.headerBytes + i * paletteEntry;
        f.palette.push_back(0xFF000000u | (std::uint32_t{static_cast<std::uint8_t>(header[at + 2])} << 16) |
                            (std::uint32_t{static_cast<std::uint8_t>(header[at + 1])} << 8) |
                            static_cast<std::uint8_t>(header[at]));
    }
    f.headerBytes += paletteBytes;
    return f;
}

void DecodeDibRow(const DibFormat& f, const std::uint8_t* raw, std::uint32_t* out) {
    const auto indexed = [&](std::size_t index) { return index < f.palette.size() ? f.palette[index] : 0xFF000000u; };
    const int width = f.width;
    switch (f.bitCount) {
        case 1:
            for (int x = 0; x < width; ++x) out[x] = indexed((raw[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < width; ++x) out[x] = indexed((raw[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
            break;
        case 8:
            for (int x = 0; x < width; ++x) out[x] = indexed(raw[x]);
            break;
        case 24:
            for (int x = 0; x < width; ++x, raw += 3)
                out[x] = 0xFF000000u | (std::uint32_t{raw[2]} << 16) | (std::uint32_t{raw[1]} << 8) | raw[0];
            break;
        default: {  // 16 and 32 bits through their masks
            const int bytes = f.bitCount / 8;
            for (int x = 0; x < width; ++x, raw += bytes) {
                const std::uint32_t pixel = bytes == 2
                                                ? std::uint32_t{raw[0]} | (std::uint32_t{raw[1]} << 8)
                                                : std::uint32_t{raw[0]} | (std::uint32_t{raw[1]} << 8) |
                                                      (std::uint32_t{raw[2]} << 16) | (std::uint32_t{raw[3]} << 24);
                const std::uint32_t alpha = f.masks[3] ? Channel(pixel, f.masks[3]) : 0xFF;
                out[x] = (alpha << 24) | (Channel(pixel, f.masks[0]) << 16) | (Channel(pixel, f.masks[1]) << 8) |
                         Channel(pixel, f.masks[2]);
            }
        }
    }
}

}  // namespace restallow
