// What the statements share: string literals as written, and the options and
// attributes of a named resource.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resformat/Diagnostic.h"
#include "resformat/ResourceId.h"

namespace rc {

// A string literal as written, decoded later with the code pages in force where it stood: the
// input code page reads its bytes, the output code page writes a narrow string's characters.
struct StringLiteral {
    std::string body;
    bool wide = false;
    int codePage = 0;
    int outputCodePage = 0;
    int column = 0;  // of its first character in the line, tabs counted to the next multiple of 8
    Location where;
};

// The memory options as written, in their order: an icon group reads them its own way.
enum class MemoryWord : std::uint8_t { Moveable, Fixed, Pure, Impure, Preload, LoadOnCall, Discardable };

// The options a resource statement may carry after its type keyword: memory flags, LANGUAGE,
// VERSION and CHARACTERISTICS. Statements without their own LANGUAGE, VERSION or
// CHARACTERISTICS take the one in force.
struct ResourceOptions {
    std::uint16_t flags = 0;
    std::vector<MemoryWord> memoryWords;
    std::optional<std::uint16_t> language;
    std::optional<std::uint32_t> version;
    std::optional<std::uint32_t> characteristics;
};

// What every named resource statement carries besides its body: its options, name and place.
struct ResourceAttributes : ResourceOptions {
    ResourceId name;
    Location where;
};

}  // namespace rc
