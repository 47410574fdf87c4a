// Refusing an output that would overwrite one of the compile's own inputs.
#pragma once

#include <string>
#include <vector>

namespace rc {

// Throws CompileError when `output` ("-": standard output) is the script or another file the
// compile read (an include file, a resource file, the .res file converted). Files are compared
// by device and inode, so a symlink, a hard link or another spelling of a path is the same file.
// Called before the output replaces anything, once every input has been read.
void RefuseOutputThatIsAnInput(const std::string& output, const std::string& script,
                               const std::vector<std::string>& filesRead);

}  // namespace rc
