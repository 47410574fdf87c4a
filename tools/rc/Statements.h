// What the parser produces: one statement per resource, string table or LANGUAGE line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Diagnostic.h"

namespace rc {

// Memory flags of resource headers.
enum MemoryFlag : std::uint16_t {
    MfMoveable = 0x0010,
    MfPure = 0x0020,
    MfPreload = 0x0040,
    MfDiscardable = 0x1000,
};

// A resource type or name: a 16-bit number, or a text (identifiers upper-cased).
struct ResourceId {
    bool isNumber = true;
    std::uint16_t number = 0;
    std::u16string text;

    static ResourceId Number(std::uint16_t value) { return {true, value, {}}; }
    static ResourceId Text(std::u16string value) { return {false, 0, std::move(value)}; }
    bool operator==(const ResourceId&) const = default;
};

// Standard resource types by number.
enum ResourceType : std::uint16_t {
    RtCursor = 1, RtBitmap = 2, RtIcon = 3, RtString = 6, RtRcData = 10,
    RtGroupCursor = 12, RtGroupIcon = 14, RtAniCursor = 21, RtAniIcon = 22,
};

// Resource types of the statements with bodies of their own.
enum StatementType : std::uint16_t {
    RtMenu = 4, RtFontDir = 7, RtFont = 8, RtAccelerators = 9, RtVersion = 16, RtToolbar = 241,
};

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

}  // namespace rc

#include "DialogStmt.h"

namespace rc {

struct MenuStmt;
struct VersionStmt;
struct AcceleratorStmt;
struct ToolbarStmt;

using Statement = std::variant<ResourceStmt, StringTableStmt, LanguageStmt, DialogStmt, MenuStmt, VersionStmt,
                               AcceleratorStmt, ToolbarStmt>;

}  // namespace rc

// The statements with bodies of their own, after the alias so that each can include this header;
// include them through this header.
#include "AcceleratorStmt.h"
#include "MenuStmt.h"
#include "ToolbarStmt.h"
#include "VersionStmt.h"
