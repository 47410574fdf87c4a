// The exception a command throws when a file fails it, caught at the command boundary.
#pragma once

#include <stdexcept>
#include <utility>

#include "fileaccess/Result.h"

namespace restallow {

// A file that could not be read or written, or a text that is not what a command needs.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// For a command: the value of a format reader's result, or its error thrown as a FileError.
template <typename T>
T ValueOrThrow(fileaccess::Result<T>&& result) {
    if (!result) throw FileError(result.error().what());
    return std::move(result).value();
}
inline void ThrowIfFailed(const fileaccess::Status& status) {
    if (!status) throw FileError(status.error().what());
}

}  // namespace restallow
