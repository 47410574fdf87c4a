// The listing command shared by restallow-resdump and restallow-rc --dump.
#pragma once

namespace rc {

// argv[1] is the .res file; prints one line per resource. Returns the exit code.
int DumpMain(int argc, char** argv);

}  // namespace rc
