// Reads the directory of an .ico or .cur file: one entry per image, each checked against the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "byteformat/IconDirectory.h"
#include "fileaccess/Result.h"

namespace rc {

// An entry of the file's directory; every image of a directory read here lies inside the file.
using IconImage = byteformat::IconDirectoryEntry;

struct IconDirectory {
    std::uint16_t type = 0;  // 1 icon, 2 cursor
    std::vector<IconImage> images;
};

// The directory, or an error saying what is wrong with the file (Signature: no icon or cursor
// file at all; Format: a damaged one).
fileaccess::Result<IconDirectory> ReadIconDirectory(std::string_view file);

// Planes and bits per pixel of an image: from its BITMAPINFOHEADER, or 1 and 32 for a PNG image.
std::pair<std::uint16_t, std::uint16_t> ImageFormat(std::string_view image);

// The entry of an image in its group's directory, without the image's id, as rc.exe writes it:
// an icon's planes and bits per pixel from its bitmap header (a PNG image has 1 plane, and 1,
// 3 or 4 bits where the file gives 2, 8 or 16 colours); a cursor's width, height (of both
// masks) and the two hot-spot words of its directory entry from its bitmap header.
// The 16-bit format's entry keeps the directory's cursor width and twice its height, and
// ImageFormat's planes and bits.
std::string GroupEntry(const IconImage& image, bool cursor, bool win16);

}  // namespace rc
