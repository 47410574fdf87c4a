// Compiles a resource script into a .res file: the driver's one call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "preprocess/FileLoader.h"
#include "preprocess/Preprocessor.h"

namespace rc {

struct CompileOptions {
    std::string script;
    std::string output;
    bool win16 = false;               // Windows 3.x format
    int codePage = 0;                 // 0: UTF-8 when valid, else Windows-1252
    std::uint16_t language = 0x0409;  // until a LANGUAGE statement says otherwise
    std::vector<std::string> includeDirs;
    std::vector<std::string> envIncludeDirs;  // from the INCLUDE environment variable
    std::vector<MacroOption> macros;          // -D and -U
    FileLoader load;                          // reads the script and include files; empty: LoadTextFile
};

struct CompileResult {
    bool ok = false;
    std::string error;  // "file(line): error: text" when not ok
    std::size_t resources = 0;
};

// Writes the output through a temporary file beside it, renamed at the end: on failure no
// output is left and an older one stays untouched.
CompileResult CompileScript(const CompileOptions& options);

struct PreprocessResult {
    bool ok = false;
    std::string error;  // "file(line): error: text" when not ok
    std::string text;   // with "# N "file"" line markers
};

// The script as the parser would read it (restallow-rc -E).
PreprocessResult PreprocessScript(const CompileOptions& options);

}  // namespace rc
