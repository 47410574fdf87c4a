// Tells whether a file is one "#ifndef NAME ... #endif" group with nothing outside it, so that
// including it again while NAME is defined can be skipped without reading it.
#pragma once

#include <string>
#include <string_view>

namespace rc {

class IncludeGuard {
public:
    // Called for every line of the file that is not blank, before it is handled; `directive` is
    // its directive's name ("" for other lines), `depth` the open conditionals of the file.
    void Before(std::string_view directive, std::string_view text, std::size_t depth);
    void After(std::size_t depth);
    // The guard's macro when the whole file was one guarded group, else "".
    std::string name() const { return possible_ && closed_ ? name_ : std::string(); }

private:
    bool possible_ = true;
    bool started_ = false;
    bool closed_ = false;
    std::string name_;
};

}  // namespace rc
