// Keywords of the resource language that the parser's dispatch looks up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rc {

// For a word that only stands inside a block (MENUITEM, POPUP, VALUE, BLOCK), where it belongs:
// met at the top of a script it means a block was closed too early. Else nullptr.
const char* BlockWordContext(const std::string& upperWord);

// The numbered type that a keyword type stands for (MANIFEST 24, FONT 8, ...), as rc.exe and
// windres store it.
std::optional<std::uint16_t> KeywordType(const std::string& upperWord);

}  // namespace rc
