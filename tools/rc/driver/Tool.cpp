// Compiles, converts or preprocesses as the options say, then writes the dependency file.
#include "driver/Tool.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "driver/CommandLine.h"
#include "driver/DependencyFile.h"
#include "fileaccess/OutputFile.h"

namespace rc {
namespace {

const char* FormatName(const ToolOptions& options) {
    if (options.preprocessOnly) return "the preprocessed script";
    if (options.compile.format == OutputFormat::Res) return options.compile.win16 ? "a 16-bit .res" : "a .res";
    return options.compile.machine == CoffMachine::I386 ? "a COFF object for pe-i386" : "a COFF object for pe-x86-64";
}

std::string Shown(const std::string& name) { return name == "-" ? "standard output" : name; }

// A build product, made again from its sources: replaced whole, with no wait for the disk.
bool WriteProduct(const std::string& path, const std::string& text) {
    fileaccess::Result<fileaccess::OutputFile> out = fileaccess::OutputFile::Create(path);
    fileaccess::Status written = out ? out->Write(text) : fileaccess::Status(out.error());
    if (written) written = out->Commit(fileaccess::OutputFile::Sync::None);
    if (!written) std::fprintf(stderr, "error: %s\n", written.error().what());
    return written.ok();
}

// The preprocessed script: standard output takes it as one block, a file through a temporary.
bool WriteText(const std::string& output, const std::string& text) {
    if (output != "-") return WriteProduct(output, text);
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // no stdio buffer to allocate and copy through
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) return true;
    std::fprintf(stderr, "error: cannot write the preprocessed text: %s\n", std::strerror(errno));
    return false;
}

CompileResult Run(const ToolOptions& options) {
    if (options.resInput) return ConvertResFile(options.compile);
    if (!options.preprocessOnly) return CompileScript(options.compile);
    PreprocessResult preprocessed = PreprocessScript(options.compile);
    CompileResult result{preprocessed.ok, preprocessed.error, 0, std::move(preprocessed.filesRead),
                         std::move(preprocessed.warnings)};
    if (result.ok && !WriteText(options.compile.output, preprocessed.text)) result.ok = false;
    return result;
}

}  // namespace

int RunTool(const ToolOptions& options) {
    if (options.action == ToolOptions::Action::Help) return std::fputs(UsageText(options.dialect).c_str(), stdout) < 0;
    if (options.action == ToolOptions::Action::Version)
        return std::fputs(VersionText(options.dialect).c_str(), stdout) < 0;
    const CompileOptions& compile = options.compile;
    if (options.verbose) {
        std::fprintf(stderr, "%s: %s into %s as %s\n",
                     options.dialect == Dialect::Rc ? "restallow-rc" : "restallow-windres",
                     compile.script == "-" ? "standard input" : compile.script.c_str(), Shown(compile.output).c_str(),
                     FormatName(options));
    }
    const CompileResult result = Run(options);
    for (const std::string& warning : result.warnings) std::fprintf(stderr, "%s\n", warning.c_str());
    if (!result.ok) {
        if (!result.error.empty()) std::fprintf(stderr, "%s\n", result.error.c_str());
        return 1;
    }
    if (!options.dependencies.file.empty()) {
        const std::string text = DependencyText(options.dependencies, compile.output, result.filesRead);
        if (!WriteProduct(options.dependencies.file, text)) return 1;
    }
    return 0;
}

}  // namespace rc
