// What a BITMAP resource holds of its .bmp file.
#pragma once

#include <cstdint>
#include <string_view>

namespace rc {

// The zero bytes a bitmap's colour table lacks: rc.exe writes a table shorter than its header
// announces padded with zeros to that length, before the pixels. `head` holds the file's first
// 54 bytes or all of a shorter file. 0 for a complete table and for a header this reader does
// not know (that bitmap is written as it stands).
std::uint64_t MissingPaletteBytes(std::string_view head, std::uint64_t fileSize);

// The offset of the pixels in the file, from its header.
std::uint32_t PixelOffset(std::string_view head);

}  // namespace rc
