// MENU and MENUEX statements: a tree of items and popups.
#pragma once

#include <cstdint>
#include <vector>

#include "Statements.h"

namespace rc {

// Option words of MENU items, as stored in the item's flag word.
enum MenuFlag : std::uint16_t {
    MfGrayed = 0x0001,
    MfInactive = 0x0002,
    MfBitmap = 0x0004,
    MfChecked = 0x0008,
    MfPopup = 0x0010,
    MfMenuBarBreak = 0x0020,
    MfMenuBreak = 0x0040,
    MfEnd = 0x0080,
    MfOwnerDraw = 0x0100,
    MfHelp = 0x4000,
};

struct MenuItem {
    enum class Kind { Item, Separator, Popup };
    Kind kind = Kind::Item;
    StringLiteral text;
    std::uint32_t id = 0;
    std::uint16_t flags = 0;  // MENU: the option words above
    std::uint32_t type = 0;   // MENUEX: MFT_* type, MFS_* state and the popup's help id
    std::uint32_t state = 0;
    std::uint32_t helpId = 0;
    std::vector<MenuItem> children;
    Location where;
};

struct MenuStmt {
    ResourceAttributes head;
    bool extended = false;  // MENUEX
    std::vector<MenuItem> items;
};

}  // namespace rc
