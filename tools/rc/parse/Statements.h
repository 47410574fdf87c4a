// What the parser produces: one statement per resource, string table or LANGUAGE line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "parse/AcceleratorStmt.h"
#include "parse/DialogStmt.h"
#include "parse/MenuStmt.h"
#include "parse/StatementParts.h"
#include "parse/ToolbarStmt.h"
#include "parse/VersionStmt.h"
#include "resformat/ResourceTypes.h"

namespace rc {

struct ResourceStmt : ResourceAttributes {
    enum class Kind { Bitmap, Icon, Cursor, AniCursor, AniIcon, Font, DlgInclude, Data };
    Kind kind = Kind::Data;
    ResourceId type;                  // the type written for Bitmap, AniCursor, AniIcon, Font, DlgInclude and Data
    std::optional<std::string> file;  // else the inline data
    std::string fileAsWritten;        // a quoted name without its escapes read: tried when `file` is not found
    std::optional<StringLiteral> includeName;  // DLGINCLUDE: the header it names
    std::string data;                          // the inline data's bytes
};

// A string's literals are read where they stand, with the code page in force there: adjacent
// ones joined, the text cut at its first pair of NULs and the NULs at its end dropped.
struct StringEntry {
    std::uint32_t id = 0;
    std::u16string text;
    Location where;
};

struct StringTableStmt : ResourceOptions {
    std::vector<StringEntry> entries;
    Location where;
};

// LANGUAGE, VERSION or CHARACTERISTICS outside a resource: in force for the resources after it.
struct DefaultsStmt {
    std::optional<std::uint16_t> language;
    std::optional<std::uint32_t> version;
    std::optional<std::uint32_t> characteristics;
};

using Statement = std::variant<ResourceStmt, StringTableStmt, DefaultsStmt, DialogStmt, MenuStmt, VersionStmt,
                               AcceleratorStmt, ToolbarStmt>;

}  // namespace rc
