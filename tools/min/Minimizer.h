// Packs a 16-bit NE program: segments and resources move together with the smallest alignment
// that can still address the file, every table offset follows, every data byte stays the same.
#pragma once

#include <string>
#include <string_view>

#include "fileaccess/Result.h"

namespace ne {

// The packed program, or an error saying why the input is no well-formed NE program (that of
// ReadProgram) or cannot be packed (Format).
fileaccess::Result<std::string> Minimize(std::string_view file);

}  // namespace ne
