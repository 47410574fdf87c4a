// Finding and reading the files that resource statements name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resformat/Diagnostic.h"
#include "resformat/SourceFile.h"

namespace rc {

// Icon and font files larger than this are refused rather than read.
inline constexpr std::uint64_t kResourceFileLimit = 256ull * 1024 * 1024;

// Finds a resource file: as written when absolute, else beside the script that names it, in the
// include folders, then from the working folder; backslashes of Windows paths are tried as "/",
// and then the same folders ignoring letter case; `asWritten`, when given, after `name` (a path
// such as "res\toolbar.bmp" whose \t the string's escapes made a tab). The path found is added to
// `filesRead` when given. Throws CompileError at `where`.
SourceFile OpenResourceFile(const std::string& name, const Location& where, const std::vector<std::string>& includeDirs,
                            const std::string& asWritten = {}, std::vector<std::string>* filesRead = nullptr);

// The bytes of an icon or cursor file up to the end of its last image: a file much larger than
// its directory says (a sparse one, or one with a tail) is never read whole.
std::string ReadIconBytes(const SourceFile& file, const std::string& name, const Location& where);

// The whole file, refused past kResourceFileLimit.
std::string ReadWholeFile(const SourceFile& file, const std::string& name, const Location& where);

}  // namespace rc
