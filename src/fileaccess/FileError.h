// The exception a command throws when a file fails it, caught at the command boundary.
#pragma once

#include <stdexcept>

namespace restallow {

// A file that could not be read or written, or a text that is not what a command needs.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace restallow
