// How the compiler reads the text of scripts and include files: one replaceable call.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace rc {

// Gives the text of a file; nothing when no file has that path. Throws std::runtime_error with
// the reason when a file is there but cannot be read (a folder, a FIFO, a device, a read error).
using FileLoader = std::function<std::optional<std::string>(const std::string& path)>;

// The loader of the command line: refuses anything but a regular file without blocking on it.
std::optional<std::string> LoadTextFile(const std::string& path);

}  // namespace rc
