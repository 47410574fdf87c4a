// The Windows headers built into the compiler, used when no include folder holds the name.
#pragma once

#include <optional>
#include <string_view>

namespace rc {

struct BuiltinHeader {
    std::string_view name;  // lower case, as in "windows.h"
    std::string_view text;
};

// The header of that name, ignoring letter case; nothing when none is built in.
std::optional<BuiltinHeader> FindBuiltinHeader(std::string_view name);

}  // namespace rc
