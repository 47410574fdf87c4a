// Reads a packed program back and compares it with the program it was made from, before
// restallow-min lets it replace anything.
#pragma once

#include <string_view>

#include "fileaccess/Result.h"

namespace ne {

// Ok when `packed` is a well-formed NE program with the segments (and their relocation records),
// the resources (type, name and bytes) and the non-resident names of `original`; else a Format
// error that says what the reader refused or what differs.
fileaccess::Status CheckPacked(std::string_view original, std::string_view packed);

}  // namespace ne
