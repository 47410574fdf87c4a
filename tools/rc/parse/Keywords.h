// Keywords of the resource language that the parser's dispatch looks up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "resformat/ResourceId.h"

namespace rc {

// For a word that only stands inside a block (MENUITEM, POPUP, VALUE, BLOCK), where it belongs:
// met at the top of a script it means a block was closed too early. Else nullptr.
const char* BlockWordContext(const std::string& upperWord);

// What the word after a resource's name makes of the statement.
enum class ResourceKind {
    Data,
    Bitmap,
    Icon,
    Cursor,
    AniCursor,
    AniIcon,
    Font,
    DlgInclude,
    Dialog,
    DialogEx,
    Menu,
    MenuEx,
    VersionInfo,
    Accelerators,
    Toolbar,
    StringTable,
};

struct ResourceTypeWord {
    ResourceKind kind = ResourceKind::Data;
    ResourceId type;  // the type written; for Icon and Cursor the group's
};

// The statement a type keyword names, in any letter case; nothing for any other word. ANICURSOR
// and ANIICON are the types 21 and 22; `legacy` also takes MANIFEST and FONTDIR, as Windows 3.x
// tools did.
std::optional<ResourceTypeWord> KeywordType(const std::string& word, bool legacy);
// The statement a standard type's number stands for, as rc.exe reads it (2 a BITMAP, 5 a
// DIALOG, 14 an ICON, ...); any other number is data of that type.
ResourceTypeWord TypeOfNumber(std::uint16_t number);

// Whether the word is the keyword in any letter case.
bool SameWord(std::string_view word, const char* keyword);

// The word in upper case (ASCII letters only, as keywords are written).
std::string Upper(std::string_view word);

// A word that the language itself uses (a statement, option or control keyword), so a script
// cannot mean it as the name of a number.
bool IsKeyword(std::string_view word);

// The memory flags a resource of the type starts from, before its options.
std::uint16_t DefaultMemoryFlags(const ResourceId& type);

}  // namespace rc
