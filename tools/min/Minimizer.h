// Packs a 16-bit NE program: segments and resources move together with the smallest alignment
// that can still address the file, every table offset follows, every data byte stays the same.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace ne {

// The packed program, or a message saying why the input is no well-formed NE program.
std::variant<std::string, std::string> Minimize(std::string_view file);

inline bool IsPacked(const std::variant<std::string, std::string>& result) { return result.index() == 0; }

}  // namespace ne
