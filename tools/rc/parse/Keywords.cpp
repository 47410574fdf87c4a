// The keyword tables of the parser's dispatch.
#include "parse/Keywords.h"

#include <utility>

#include "parse/Statements.h"

namespace rc {

const char* BlockWordContext(const std::string& word) {
    if (word == "MENUITEM" || word == "POPUP") return "outside a MENU or POPUP";
    if (word == "VALUE") return "outside a BLOCK";
    if (word == "BLOCK") return "outside VERSIONINFO";
    return nullptr;
}

std::optional<std::uint16_t> KeywordType(const std::string& word) {
    static const std::pair<const char*, std::uint16_t> kTypes[] = {
        {"FONTDIR", 7},    {"FONT", RtFont},     {"MESSAGETABLE", 11}, {"DLGINCLUDE", 17}, {"PLUGPLAY", 19},
        {"VXD", 20},       {"HTML", 23},         {"MANIFEST", 24},     {"DLGINIT", 240},
    };
    for (const auto& [name, type] : kTypes) {
        if (word == name) return type;
    }
    return std::nullopt;
}

}  // namespace rc
