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
    // Throws CompileError when the bytes are too short to be a font.
    void Add(std::uint16_t ordinal, std::string_view font, const Location& where);
    bool empty() const { return count_ == 0; }
    // WORD count, then per font: WORD ordinal, the 113-byte header, device name, face name.
    std::string Encode() const;

private:
    std::uint16_t count_ = 0;
    std::string entries_;
};

}  // namespace rc
