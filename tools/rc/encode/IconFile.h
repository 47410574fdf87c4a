// Reads the directory of an .ico or .cur file: one entry per image, each checked against the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"

namespace rc {

struct IconImage {
    std::uint8_t width = 0, height = 0, colorCount = 0, reserved = 0;
    std::uint16_t planes = 0, bitCount = 0;  // the hot spot's x and y in a cursor file
    std::uint32_t size = 0, offset = 0;
    std::string_view bytes;                  // the image inside the file
};

struct IconDirectory {
    std::uint16_t type = 0;  // 1 icon, 2 cursor
    std::vector<IconImage> images;
};

// The directory, or an error saying what is wrong with the file (Signature: no icon or cursor
// file at all; Format: a damaged one).
fileaccess::Result<IconDirectory> ReadIconDirectory(std::string_view file);

// Planes and bits per pixel of an image: from its BITMAPINFOHEADER, or 1 and 32 for a PNG image.
std::pair<std::uint16_t, std::uint16_t> ImageFormat(std::string_view image);

}  // namespace rc
