// The type or name of a resource as both .res formats store it: a 16-bit number or a text.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace rc {

// A resource type or name: a 16-bit number, or a text (identifiers upper-cased).
struct ResourceId {
    bool isNumber = true;
    std::uint16_t number = 0;
    std::u16string text;

    static ResourceId Number(std::uint16_t value) { return {true, value, {}}; }
    static ResourceId Text(std::u16string value) { return {false, 0, std::move(value)}; }
    bool operator==(const ResourceId&) const = default;
};

}  // namespace rc
