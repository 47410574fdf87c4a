// What one run of restallow-rc is asked to do, read from a command line of either dialect.
#pragma once

#include <string>
#include <vector>

#include "driver/Compiler.h"

namespace rc {

enum class Dialect { Rc, Windres };

struct DependencyOptions {
    std::string file;                  // where the list goes; empty: nowhere
    std::vector<std::string> targets;  // in make's syntax already (-MT as given, -MQ quoted); empty: the output
    bool phony = false;                // -MP: an empty rule for each file, so that a deleted header breaks no build
    bool json = false;                 // /:depfile-fmt json: a JSON array of the files instead of a make rule
};

struct ToolOptions {
    enum class Action { Compile, Help, Version };
    Action action = Action::Compile;
    Dialect dialect = Dialect::Rc;
    CompileOptions compile;       // the input (script), output, format, machine and the rest
    bool resInput = false;        // the input is a .res, to be written as compile.format
    bool preprocessOnly = false;  // -E, -O rc: the preprocessed script is the output
    DependencyOptions dependencies;
    bool verbose = false;
};

}  // namespace rc
