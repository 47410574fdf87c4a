// Turns the Resource List into the text of a resource script (header, entry lines, string tables).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"
#include "resources/ResourceEntry.h"

namespace restallow {

inline constexpr std::string_view kCreatedByText = "Created by Orvel Resource Tallowin+";

// Reads the text file of a string table; the default reads it from disk.
using TextFileReader = std::function<fileaccess::Result<std::string>(const std::string& path)>;

// A text line as the inside of a script string: each double quote doubled, and a backslash that
// would start a numeric escape the compiler refuses (above 255, or above 127 in UTF-8 text)
// doubled, so that it stays text. Other backslash escapes keep their meaning.
std::string EscapeStringText(std::string_view line);

// The 11 framed header lines and the empty line after them, each ending in CR LF.
std::string ScriptHeader(std::string_view scriptFileName);

// The whole script for the entries in their order: the header, one line per plain entry
// (include files too, so that they survive a reload), then one block per string table.
// An error when a text file cannot be read, a StringID is no integer or its ids pass 65535.
fileaccess::Result<std::string> WriteScriptText(const std::vector<ResourceEntry>& entries, std::string_view scriptPath,
                                                const TextFileReader& readTextFile = {});

}  // namespace restallow
