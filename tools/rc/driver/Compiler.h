// Compiles a resource script into a .res file or a COFF object: the driver's calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "preprocess/FileLoader.h"
#include "preprocess/Preprocessor.h"
#include "resformat/CoffWriter.h"

namespace rc {

enum class OutputFormat { Res, Coff };

struct CompileOptions {
    std::string script;  // "-": standard input
    std::string output;  // "-": standard output
    bool win16 = false;  // Windows 3.x format
    OutputFormat format = OutputFormat::Res;
    CoffMachine machine = CoffMachine::I386;  // of a COFF object
    bool nullTerminateStrings = false;        // each string of a string table ends with a NUL (rc /n)
    int codePage = 0;                         // 0: UTF-8 when valid, else Windows-1252
    std::uint16_t language = 0x0409;          // until a LANGUAGE statement says otherwise
    std::vector<std::string> includeDirs;
    std::vector<std::string> envIncludeDirs;  // from the INCLUDE environment variable
    std::vector<MacroOption> macros;          // -D and -U
    FileLoader load;                          // reads the script and include files; empty: LoadTextFile
};

struct CompileResult {
    bool ok = false;
    std::string error;  // "file(line): error: text" when not ok
    std::size_t resources = 0;
    std::vector<std::string> filesRead;  // the script, its include files and resource files, as found
    std::vector<std::string> warnings;   // "file(line): warning: text", also when not ok
};

// Writes the output through a temporary file beside it, renamed at the end: on failure no
// output is left and an older one stays untouched.
CompileResult CompileScript(const CompileOptions& options);

// The resources of the .res file `options.script` ("-": standard input) written as
// `options.format`: a COFF object of them, or the same .res once it reads as one.
CompileResult ConvertResFile(const CompileOptions& options);

struct PreprocessResult {
    bool ok = false;
    std::string error;  // "file(line): error: text" when not ok
    std::string text;   // with "# N "file"" line markers
    std::vector<std::string> filesRead;
    std::vector<std::string> warnings;
};

// The script as the parser would read it (restallow-rc -E).
PreprocessResult PreprocessScript(const CompileOptions& options);

}  // namespace rc
