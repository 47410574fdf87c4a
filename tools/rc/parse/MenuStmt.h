// MENU and MENUEX statements: a tree of items and popups.
#pragma once

#include <cstdint>
#include <vector>

#include "parse/StatementParts.h"
#include "resformat/BodyFormat.h"

namespace rc {

struct MenuItem {
    enum class Kind { Item, Separator, Popup };
    Kind kind = Kind::Item;
    StringLiteral text;
    std::uint32_t id = 0;
    std::uint16_t flags = 0;  // MENU: the option words (MenuFlag)
    std::uint32_t type = 0;   // MENUEX: MFT_* type, MFS_* state and the popup's help id
    std::uint32_t state = 0;
    std::uint32_t helpId = 0;
    std::vector<MenuItem> children;
    Location where;
};

struct MenuStmt {
    ResourceAttributes head;
    bool extended = false;     // MENUEX
    std::uint32_t helpId = 0;  // MENUEX
    std::vector<MenuItem> items;
};

}  // namespace rc
