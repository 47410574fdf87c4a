// One run of restallow-rc: what the options ask, with the messages on standard error.
#pragma once

#include "driver/ToolOptions.h"

namespace rc {

// The exit status: 0 done, 1 when the input could not be compiled or an output not written.
int RunTool(const ToolOptions& options);

}  // namespace rc
