// Which dialect a command line speaks, what it leaves to defaults, and what cannot run.
#include "driver/CommandLine.h"

#include <sys/stat.h>

#include <algorithm>

#include "driver/OptionReading.h"
#include "preprocess/IncludeResolver.h"

namespace rc {
namespace {

constexpr const char* kWindresLong[] = {
    "--input",        "--output",        "--input-format",     "--output-format", "--target",
    "--preprocessor", "--include-dir",   "--define",           "--undefine",      "--codepage",
    "--language",     "--use-temp-file", "--no-use-temp-file", "--verbose"};

std::string BaseName(const std::string& program) {
    const std::size_t slash = program.rfind('/');
    return slash == std::string::npos ? program : program.substr(slash + 1);
}

void CheckFolder(const std::string& file, const char* what) {
    if (file.empty() || file == "-") return;
    const std::string folder = ParentFolder(file);
    struct stat info {};
    if (folder.empty() || (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode))) return;
    throw UsageError(std::string("the folder of the ") + what + " " + file + " does not exist");
}

// rc.exe's defaults: the script's name with .res; the preprocessed script to standard output.
void RcDefaults(ToolOptions& options) {
    CompileOptions& compile = options.compile;
    if (compile.script.empty()) throw UsageError("no script given");
    if (options.preprocessOnly && compile.output.empty()) compile.output.assign(1, '-');  // standard output
    if (!compile.output.empty()) return;
    if (compile.script == "-") throw UsageError("a script from standard input needs -fo OUTPUT");
    const auto dot = compile.script.rfind('.');
    const auto slash = compile.script.rfind('/');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    compile.output = (hasExtension ? compile.script.substr(0, dot) : compile.script) + ".res";
}

void Check(const ToolOptions& options) {
    const CompileOptions& compile = options.compile;
    if (compile.win16 && compile.format == OutputFormat::Coff) {
        throw UsageError("-31 writes the 16-bit .res format, which a COFF object cannot hold");
    }
    if (options.resInput && options.preprocessOnly) {
        throw UsageError("a .res cannot be written as a script (restallow-resdump -v lists it)");
    }
    if (options.resInput && compile.win16) throw UsageError("-31 applies to scripts; a .res keeps the format it has");
    CheckFolder(compile.output, "output");
    CheckFolder(options.dependencies.file, "dependency file");
}

}  // namespace

bool IsWindresOnly(const std::string& argument) {
    if (argument == "-o" || argument == "-O" || argument == "-J" || argument == "-F") return true;
    if (argument.size() > 2 && argument[0] == '-' && (argument[1] == 'o' || argument[1] == 'O' || argument[1] == 'J'))
        return true;
    // "-Fpe-i386", but "-Fo" and "-FO" are rc's /fo
    if (argument.size() > 2 && argument.starts_with("-F") && argument[2] != 'o' && argument[2] != 'O') return true;
    if (argument.starts_with("--preprocessor-arg")) return true;
    return std::any_of(std::begin(kWindresLong), std::end(kWindresLong), [&argument](std::string_view option) {
        return argument == option || (argument.starts_with(option) && argument[option.size()] == '=');
    });
}

ToolOptions ReadCommandLine(const std::string& program, const std::vector<std::string>& arguments) {
    const std::vector<std::string> expanded = ExpandResponseFiles(arguments);
    ToolOptions options;
    options.compile.envIncludeDirs = IncludeVariable();
    const std::string name = BaseName(program);
    const auto end = std::find(expanded.begin(), expanded.end(), "--");
    if (name.find("windres") != std::string::npos || std::any_of(expanded.begin(), end, IsWindresOnly)) {
        options.dialect = Dialect::Windres;
        // A toolchain's prefix names its machine, as with x86_64-w64-mingw32-windres.
        if (name.starts_with("x86_64-") || name.starts_with("amd64-")) options.compile.machine = CoffMachine::X86_64;
        ReadWindresDialect(expanded, options);
        // As the x86-64 compiler that windres runs as its preprocessor defines it.
        if (options.compile.machine == CoffMachine::X86_64)
            options.compile.macros.insert(options.compile.macros.begin(), {"_WIN64", "1", false});
    } else {
        ReadRcDialect(expanded, options);
        if (options.action == ToolOptions::Action::Compile) RcDefaults(options);
    }
    if (options.action == ToolOptions::Action::Compile) Check(options);
    return options;
}

}  // namespace rc
