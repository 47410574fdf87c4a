// Device-independent bitmaps, as bitmap files and icons hold them: the header with its masks and
// palette, and the pixels of one uncompressed row.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "preview/Picture.h"

namespace restallow {

struct DibFormat {
    enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };
    int width = 0;
    int height = 0;  // of the pixels (an icon's header counts its mask too; see ReadDibHeader)
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = Rgb;
    std::uint32_t masks[4] = {};         // red, green, blue, alpha (0: opaque) for 16 and 32 bits
    std::vector<std::uint32_t> palette;  // 0xFFRRGGBB
    std::size_t headerBytes = 0;         // header, masks and palette: where an icon's pixels begin
    std::size_t sizeImage = 0;           // what the header says, 0 when it does not say

    std::size_t Stride() const {
        return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32) * 4;
    }
};

// `header` starts at the info header. In an icon the height counts the XOR image and the AND
// mask, so it is halved; the alpha byte of 32 bits counts only there (a bitmap file's 32-bit
// pixels are drawn opaque unless its masks name alpha).
Decoded<DibFormat> ReadDibHeader(std::string_view header, bool inIcon);

// One row of `format.Stride()` bytes into width pixels of 0xAARRGGBB.
void DecodeDibRow(const DibFormat& format, const std::uint8_t* raw, std::uint32_t* out);

}  // namespace restallow
