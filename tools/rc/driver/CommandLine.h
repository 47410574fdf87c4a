// restallow-rc's two command-line dialects, read into one ToolOptions: rc.exe's ("/fo out.res",
// any letter case, / or -) and GNU windres's ("-i in.rc -o out.o -O coff"), the latter when the
// program is called by a name with "windres" in it or given an option only windres has.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "driver/ToolOptions.h"

namespace rc {

// A command line that cannot run: one message, exit status 2.
class UsageError : public std::exception {
public:
    explicit UsageError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// `program` is the name the program was called by; `arguments` follow it. @FILE arguments are
// replaced by the arguments in FILE first. Throws UsageError.
ToolOptions ReadCommandLine(const std::string& program, const std::vector<std::string>& arguments);

// The --help text and the --version line of each dialect; the first line of both says what
// the program is compatible with, in the words build systems look for.
std::string UsageText(Dialect dialect);
std::string VersionText(Dialect dialect);

}  // namespace rc
