// Readers for the headers the preview needs: animated cursors (RIFF "ACON"), AVI main headers,
// the chunk structure of MIDI files and the family name of TrueType fonts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"

namespace restallow {

struct AnimatedCursor {
    std::vector<std::string_view> frames;  // the icon chunks, in file order
    std::uint32_t rateJiffies = 0;         // default display rate, in 1/60 s
    std::uint32_t DelayMilliseconds() const { return static_cast<std::uint32_t>(rateJiffies * 100ull / 6); }
};

struct AviHeader {
    std::uint32_t frameCount = 0;  // bytes 48..51 of the file
    std::uint32_t width = 0;       // bytes 64..67
    std::uint32_t height = 0;      // bytes 68..71
};

// Each gives its result, or an error whose message says what is wrong with the bytes: of kind
// Signature when they are not of the format at all, else Format.
fileaccess::Result<AnimatedCursor> ReadAnimatedCursor(std::string_view file);
fileaccess::Result<AviHeader> ReadAviHeader(std::string_view file);
// Done when the file has an MThd header and complete MTrk chunks.
fileaccess::Status CheckMidi(std::string_view file);
// Done when a WAVE file has its RIFF WAVE header, a sound format and a data chunk that lie inside
// its fileSize bytes. `read` gives count bytes from an offset (fewer at the end), so only the
// chunk headers are read.
fileaccess::Status CheckWave(const std::function<std::string(std::uint64_t offset, std::size_t count)>& read,
                             std::uint64_t fileSize);
// The family name of a TrueType or OpenType font, from its "name" table.
fileaccess::Result<std::string> ReadFontFamily(std::string_view file);

}  // namespace restallow
