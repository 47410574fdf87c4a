// How the compiler reads the text of scripts and include files: one replaceable call.
#pragma once

#include <functional>
#include <string>

#include "fileaccess/Result.h"

namespace rc {

// Gives the text of a file, or an error whose message is the reason alone (the callers put the
// file's name into their own message); Error::missing() when no file has that path, any other
// error when one is there but cannot be read (a folder, a FIFO, a device, a read error).
using FileLoader = std::function<fileaccess::Result<std::string>(const std::string& path)>;

// The loader of the command line: refuses anything but a regular file without blocking on it.
fileaccess::Result<std::string> LoadTextFile(const std::string& path);

}  // namespace rc
