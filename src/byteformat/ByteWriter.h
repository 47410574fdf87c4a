// Little-endian numbers appended to a byte string, or written over bytes it already holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "byteformat/ByteReader.h"

namespace byteformat {

inline void PutU8(std::string& out, std::uint8_t value) { out += static_cast<char>(value); }

inline void PutU16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

// Each unit of `text` as PutU16 writes it, the string grown once.
inline void PutU16s(std::string& out, std::u16string_view text) {
    const std::size_t at = out.size();
    out.resize(at + 2 * text.size());
    char* bytes = out.data() + at;
#if (defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__) || defined(_WIN32)
    if (!text.empty()) std::memcpy(bytes, text.data(), 2 * text.size());  // the units as they lie
#else
    for (const char16_t unit : text) {
        *bytes++ = static_cast<char>(unit & 0xFF);
        *bytes++ = static_cast<char>(unit >> 8);
    }
#endif
}

inline void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

// Overwrites bytes at..at+1 (at+3); throws OutOfBounds where they are not all inside `out`.
inline void PatchU16(std::string& out, std::size_t at, std::uint16_t value) {
    RequireInside(out, at, 2);
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}

inline void PatchU32(std::string& out, std::size_t at, std::uint32_t value) {
    RequireInside(out, at, 4);
    PatchU16(out, at, static_cast<std::uint16_t>(value & 0xFFFF));
    PatchU16(out, at + 2, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace byteformat
