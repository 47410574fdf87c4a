// What the two dialects' readers share: option values, and where each dialect's reader is.
#pragma once

#include <string>
#include <vector>

#include "driver/ToolOptions.h"

namespace rc {

// A number in `base` (the whole text); throws UsageError naming `option`.
unsigned long OptionNumber(const std::string& text, int base, const std::string& option);
// NAME[=VALUE] of -D, or NAME of -U; throws UsageError for an empty name.
MacroOption MacroArgument(const std::string& text, bool undefine, const std::string& option);
// The folders of INCLUDE, separated by ';' as on Windows or ':' as on this system.
std::vector<std::string> IncludeVariable();
// `name` quoted for make: blanks, '#' and '$' escaped as gcc's -MQ does.
std::string MakeQuoted(const std::string& name);

// An option that rc.exe does not have and windres does: it makes the command line windres's.
bool IsWindresOnly(const std::string& argument);

// Each reads its dialect into `options`; throw UsageError.
void ReadRcDialect(const std::vector<std::string>& arguments, ToolOptions& options);
void ReadWindresDialect(const std::vector<std::string>& arguments, ToolOptions& options);

// The arguments with each @FILE replaced by the words of FILE (blanks separate, quotes group, a
// backslash takes the next character as it is), also in files named there. Throws UsageError.
std::vector<std::string> ExpandResponseFiles(const std::vector<std::string>& arguments);

}  // namespace rc
