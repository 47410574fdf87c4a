// How the readable dumps write texts and numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rc {

// The text for a dump: in double quotes, UTF-8, with "" for a quote and \n, \t, \r, \xNN escapes.
std::string Quoted(std::u16string_view text);
std::string Hex(std::uint32_t value);

}  // namespace rc
