// The FONTDIR resource that goes with FONT resources: one entry per font, read from the
// header of its .fnt file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "resformat/Diagnostic.h"

namespace rc {

class FontDirectory {
public:
    // The 32-bit entry: the font's first 148 bytes (zeros past its end) and two empty names,
    // as rc.exe's 32-bit compiler counts the entry and as zig rc writes the names (rc.exe reads
    // them from the wrong place of the header). The 16-bit entry: the 113-byte FONTDIRENTRY
    // part of the header with the device and face names it points to.
    explicit FontDirectory(bool win16) : win16_(win16) {}

    // Throws CompileError when a 16-bit entry's bytes are too short to be a font.
    void Add(std::uint16_t ordinal, std::string_view font, const Location& where);
    bool empty() const { return count_ == 0; }
    // WORD count, then per font: WORD ordinal and its entry.
    std::string Encode() const;

private:
    bool win16_;
    std::uint16_t count_ = 0;
    std::string entries_;
};

}  // namespace rc
