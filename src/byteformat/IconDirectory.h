// The directory at the start of an icon (.ico) or cursor (.cur) file: ICONDIR or CURSORDIR
// and its 16-byte entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "byteformat/Parsed.h"

namespace byteformat {

struct IconDirectoryEntry {
    std::uint8_t width = 0, height = 0, colorCount = 0, reserved = 0;
    std::uint16_t planes = 0, bitCount = 0;  // the hot spot's x and y in a cursor file
    std::uint32_t size = 0, offset = 0;
    bool inside = false;     // the image's bytes all lie in the file
    std::string_view bytes;  // those bytes; empty when they do not
};

struct IconDirectory {
    static constexpr std::uint16_t kIcon = 1, kCursor = 2;
    std::uint16_t type = 0;
    std::vector<IconDirectoryEntry> entries;  // as many as the header announces, in file order

    bool cursor() const { return type == kCursor; }
};

enum class IconDirectoryFault {
    ShorterThanHeader,  // fewer than the 6 bytes of the header
    ReservedNotZero,    // the first word, 0 in every icon or cursor file
    UnknownType,        // neither 1 (icon) nor 2 (cursor)
    EntriesCutShort,    // the file ends before the last announced entry
};

// The directory of `file`. An entry whose image lies outside the file is kept, with `inside`
// false: whether that is an error is the caller's to say. A count of 0 is no fault here.
Parsed<IconDirectory, IconDirectoryFault> ReadIconDirectory(std::string_view file);

}  // namespace byteformat
