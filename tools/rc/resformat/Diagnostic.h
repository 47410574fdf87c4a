// Where a problem was found and what it is: "file(line): error: text".
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace rc {

// Tokens share their file's name instead of each holding a copy.
struct Location {
    std::shared_ptr<const std::string> file;
    int line = 0;

    std::string fileName() const { return file ? *file : std::string(); }
};

// Raised inside the compiler and turned into a value at its boundary (see Compiler.h).
class CompileError : public std::runtime_error {
public:
    CompileError(Location where, const std::string& message)
        : std::runtime_error(message), where_(std::move(where)) {}
    const Location& where() const { return where_; }
    std::string text() const {
        if (!where_.file) return "error: " + std::string(what());
        return *where_.file + "(" + std::to_string(where_.line) + "): error: " + what();
    }

private:
    Location where_;
};

}  // namespace rc
