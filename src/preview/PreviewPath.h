// The file path of a list entry as the file system knows it. Scripts made on Windows hold their
// paths in Windows-1252, which is not UTF-8 as soon as a letter such as "é" appears.
#pragma once

#include <string>
#include <string_view>

namespace restallow {

bool IsUtf8(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);

// The path to look for: the bytes as they are when they are UTF-8, else their reading as
// Windows-1252 (a name the file system holds in neither cannot be opened by name here).
std::string FileSystemPath(const std::string& path);

}  // namespace restallow
