// The files an output depends on, written for the build tool: a make rule as gcc -MD writes one
// (which ninja reads too), or the JSON array of zig rc's /:depfile.
#pragma once

#include <string>
#include <vector>

#include "driver/ToolOptions.h"

namespace rc {

// `files` in the order read, each named once; the targets are `options.targets`, else `output`.
std::string DependencyText(const DependencyOptions& options, const std::string& output,
                           const std::vector<std::string>& files);

}  // namespace rc
