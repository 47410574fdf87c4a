// Command texts split into arguments by the Windows rules, and arguments quoted for them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace restallow {

// Blanks and tabs separate arguments outside double quotes; a double quote toggles quoting;
// "" inside quotes is one quote; 2n backslashes before a quote are n backslashes and the quote
// acts, 2n+1 are n backslashes and a literal quote; other backslashes stay as they are.
std::vector<std::string> SplitCommandLine(std::string_view text);

// An argument in double quotes when it holds a blank, a tab or a quote, so that
// SplitCommandLine gives it back unchanged.
std::string QuoteArgument(std::string_view argument);

}  // namespace restallow
