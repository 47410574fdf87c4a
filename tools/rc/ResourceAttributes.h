// What every resource statement carries besides its body: name, memory flags, LANGUAGE,
// VERSION and CHARACTERISTICS, and where it stands.
#pragma once

#include <cstdint>
#include <optional>

#include "Statements.h"

namespace rc {

// Resource types of the statements with bodies of their own.
enum StatementType : std::uint16_t {
    RtMenu = 4, RtFontDir = 7, RtFont = 8, RtAccelerators = 9, RtVersion = 16, RtToolbar = 241,
};

struct ResourceAttributes {
    ResourceId name;
    std::uint16_t flags = 0;
    std::optional<std::uint16_t> language;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
    Location where;
};

}  // namespace rc
