// What the statements share: string literals as written, data items, and the options and
// attributes of a named resource.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "resformat/Diagnostic.h"
#include "resformat/ResourceId.h"

namespace rc {

// A string literal as written, decoded later with the code page in force where it stood.
struct StringLiteral {
    std::string body;
    bool wide = false;
    int codePage = 0;
    Location where;
};

struct DataItem {
    bool isString = false;
    std::uint32_t value = 0;
    bool isLong = false;  // written as 32 bits
    StringLiteral string;
};

// The options a resource statement may carry after its type keyword: memory flags, LANGUAGE,
// VERSION and CHARACTERISTICS. Statements without their own LANGUAGE take the one in force.
struct ResourceOptions {
    std::uint16_t flags = 0;
    std::optional<std::uint16_t> language;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
};

// What every named resource statement carries besides its body: its options, name and place.
struct ResourceAttributes : ResourceOptions {
    ResourceId name;
    Location where;
};

}  // namespace rc
