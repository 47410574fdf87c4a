// TOOLBAR: the button bitmap's cell size and the buttons' command ids.
#pragma once

#include <cstdint>
#include <vector>

#include "parse/StatementParts.h"

namespace rc {

// TOOLBAR: button size and the command ids of its buttons, 0 for a separator.
struct ToolbarStmt {
    ResourceAttributes head;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::uint16_t> buttons;
};

}  // namespace rc
