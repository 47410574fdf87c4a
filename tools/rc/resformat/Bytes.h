// Little-endian reading and writing of integers in byte strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rc {

inline std::uint16_t ReadU16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

inline std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(ReadU16(bytes, at)) | (static_cast<std::uint32_t>(ReadU16(bytes, at + 2)) << 16);
}

inline void PutU8(std::string& out, std::uint8_t value) { out += static_cast<char>(value); }

inline void PutU16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

inline void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace rc
