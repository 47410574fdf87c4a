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
    enum class Kind { Bitmap, Icon, Cursor, AniCursor, AniIcon, Data };
    Kind kind = Kind::Data;
    ResourceId type;  // the type written for Bitmap, AniCursor, AniIcon and Data
    std::optional<std::string> file;  // else the inline data
    std::vector<DataItem> data;
};

struct StringEntry {
    std::uint32_t id = 0;
    std::vector<StringLiteral> pieces;  // adjacent literals are joined
    Location where;
};

struct StringTableStmt : ResourceOptions {
    std::vector<StringEntry> entries;
    Location where;
};

struct LanguageStmt {
    std::uint16_t language = 0;
};

using Statement = std::variant<ResourceStmt, StringTableStmt, LanguageStmt, DialogStmt, MenuStmt, VersionStmt,
                               AcceleratorStmt, ToolbarStmt>;

}  // namespace rc
