// The hash of a macro name that the build uses to lay out the table of built-in definitions and
// the compiler uses to look names up in it: both must compute the same value.
#pragma once

#include <cstdint>
#include <string_view>

namespace rc {

// FNV-1a, 32 bits.
constexpr std::uint32_t BuiltinHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace rc
