// Decoding of string literals and their 8-bit form for the 16-bit format.
#include "Literal.h"

#include <cstdio>
#include <stdexcept>

namespace rc {

std::u16string DecodeLiteral(const StringLiteral& literal, NullHandling nulls) {
    try {
        return ProcessStringLiteral(literal.body, literal.wide, literal.codePage, nulls);
    } catch (const std::runtime_error& error) {
        throw CompileError(literal.where, error.what());
    }
}

std::string NarrowText(std::u16string_view text, const Location& where, const char* what) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t unit : text) {
        const std::optional<std::uint8_t> byte = UnicodeToCp1252(unit);
        if (!byte) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(unit));
            throw CompileError(where, std::string(what) + " holds a character that code page 1252 cannot hold (" + code + ")");
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

}  // namespace rc
