// DIALOG and DIALOGEX statements as the parser reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "parse/StatementParts.h"
#include "resformat/ResourceId.h"

namespace rc {

// An expression's value and, from NOT, the bits it clears from what stands left of it.
struct MaskedValue {
    std::uint32_t value = 0;
    std::uint32_t notMask = 0;
};

// A control's text: a string, a number (written as an ordinal), or a name written without
// quotes (ICON controls name their icon so).
struct DialogText {
    enum class Kind { String, Ordinal, Name };
    Kind kind = Kind::String;
    StringLiteral string;  // String and Name (a name has no escapes)
    std::uint32_t ordinal = 0;
    Location where;
};

// A window class: an ordinal (0x80 BUTTON ... 0x85 COMBOBOX, or any number) or a name.
struct WindowClass {
    bool isOrdinal = false;
    std::uint32_t ordinal = 0;
    StringLiteral name;
};

struct ControlStmt {
    std::string keyword;  // upper case: LTEXT, CONTROL, ...
    std::optional<DialogText> text;
    std::uint32_t id = 0;
    WindowClass windowClass;
    std::uint32_t style = 0;  // with the control's default style
    std::uint32_t x = 0, y = 0, width = 0, height = 0;
    std::optional<std::uint32_t> exStyle;
    std::optional<std::uint32_t> helpId;
    std::optional<std::string> data;  // the bytes of BEGIN ... END after the control
    Location where;
};

struct DialogFont {
    std::uint32_t size = 0;
    StringLiteral face;
    std::uint32_t weight = 0;
    std::uint32_t italic = 0;
    std::uint32_t charset = 1;  // DEFAULT_CHARSET
    bool charsetWritten = false;
};

struct DialogStmt : ResourceAttributes {
    bool extended = false;  // DIALOGEX
    std::uint32_t x = 0, y = 0, width = 0, height = 0;
    std::uint32_t helpId = 0;
    std::optional<std::uint32_t> style;  // else the default style
    std::uint32_t exStyle = 0;
    std::optional<StringLiteral> caption;
    std::optional<DialogFont> font;
    std::optional<ResourceId> menu;
    std::optional<WindowClass> windowClass;
    std::vector<ControlStmt> controls;
};

}  // namespace rc
