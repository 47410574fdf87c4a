// The stages one after the other: the script preprocessed, parsed whole, then its resources
// written as a .res, or gathered as one in memory and written as a COFF object.
#include <cerrno>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <set>

#include "driver/Compiler.h"
#include "driver/OutputCheck.h"
#include "driver/StatementCompiler.h"
#include "fileaccess/InputFile.h"
#include "parse/Parser.h"
#include "resformat/MemoryStream.h"
#include "resformat/ResReader.h"
#include "resformat/ResWriter.h"
#include "resformat/TemporaryOutput.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

constexpr std::uint64_t kStandardInputLimit = 256 * fileaccess::kMiB;  // as for script files
constexpr std::uint64_t kResLimit = 4096 * fileaccess::kMiB;           // a COFF object holds no more
constexpr const char* kStandardInput = "<stdin>";

std::string ScriptName(const CompileOptions& options) {
    return options.script == "-" ? kStandardInput : options.script;
}

fileaccess::Result<std::string> ReadInput(const CompileOptions& options, std::uint64_t limit) {
    if (options.script == "-") return fileaccess::ReadDescriptor(0, "standard input", limit);
    const FileLoader load = options.load ? options.load : FileLoader(LoadTextFile);
    return load(options.script);
}

std::string OpenError(const CompileOptions& options, const fileaccess::Error& error) {
    if (options.script == "-") return "cannot read the script from standard input: " + error.message;
    return "cannot open script \"" + options.script +
           "\": " + (error.missing() ? "No such file or directory" : error.what());
}

// The script's text after the preprocessor; what it read and warned of goes to `result`, also
// when it stops at an error, and the files of it that were UTF-16 to `unicodeFiles` when given.
template <typename Result>
std::string Preprocessed(const CompileOptions& options, Result& result, std::set<std::string>* unicodeFiles = nullptr) {
    const fileaccess::Result<std::string> text = ReadInput(options, kStandardInputLimit);
    if (!text) throw CompileError({}, OpenError(options, text.error()));
    if (options.script != "-") result.filesRead.push_back(options.script);
    PreprocessOptions pp;
    pp.search = {options.script == "-" ? std::string() : ParentFolder(options.script), options.includeDirs,
                 options.envIncludeDirs};
    pp.macros = options.macros;
    pp.win16 = options.win16;
    pp.load = options.load ? options.load : FileLoader(LoadTextFile);
    Preprocessor preprocessor(std::move(pp));
    const auto gather = [&] {
        result.filesRead.insert(result.filesRead.end(), preprocessor.filesRead().begin(),
                                preprocessor.filesRead().end());
        result.warnings = preprocessor.warnings();
    };
    try {
        std::string out = preprocessor.Run(ScriptName(options), *text);
        gather();
        if (unicodeFiles) *unicodeFiles = preprocessor.unicodeFiles();
        return out;
    } catch (...) {
        gather();
        throw;
    }
}

void Put(std::FILE* out, std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
        throw CompileError({}, std::string("cannot write the output: ") + std::strerror(errno));
    }
}

// The COFF object of the .res `bytes`, written to the output.
// `script`: the compiled script, empty for a converted .res file.
void WriteObject(std::string_view bytes, const CompileOptions& options, const std::string& source,
                 const CompileResult& result, const std::string& script) {
    const fileaccess::Result<ResFile> res = ReadResFile(bytes);
    if (!res) throw CompileError({}, source + ": " + res.error().message);
    const fileaccess::Result<CoffObject> object = CoffObject::Build(*res, options.machine);
    if (!object) throw CompileError({}, source + ": " + object.error().message);
    TemporaryOutput output(options.output);
    object->WriteTo([&output](std::string_view piece) { Put(output.file(), piece); });
    RefuseOutputThatIsAnInput(options.output, script, result.filesRead);
    output.Commit();
}

// Compiles each statement as soon as it is parsed, so that a large script is never held whole.
// A statement's compile error waits until the rest of the script has parsed: a syntax error
// anywhere comes first, as when the whole script was parsed before any of it was compiled.
std::size_t CompileParsed(Parser& parser, const CompileOptions& options, ResWriter& writer, CompileResult& result) {
    StatementCompiler compiler(options, writer, result.filesRead);
    std::exception_ptr failure;
    while (std::optional<Statement> statement = parser.Next()) {
        if (failure) continue;
        try {
            compiler.Add(std::move(*statement));
        } catch (const CompileError&) {
            failure = std::current_exception();
        }
    }
    if (failure) std::rethrow_exception(failure);
    return compiler.Finish();
}

void WriteResources(Parser& parser, const CompileOptions& options, CompileResult& result) {
    if (options.format == OutputFormat::Coff) {
        MemoryStream res;
        Res32Writer writer(res.file());
        result.resources = CompileParsed(parser, options, writer, result);
        return WriteObject(res.Finish(), options, ScriptName(options), result, options.script);
    }
    std::optional<TemporaryOutput> output;
    try {
        output.emplace(options.output);
    } catch (const CompileError&) {
        while (parser.Next()) {}  // an error of the script comes before one of the output
        throw;
    }
    std::unique_ptr<ResWriter> writer;
    if (options.win16)
        writer = std::make_unique<Res16Writer>(output->file());
    else
        writer = std::make_unique<Res32Writer>(output->file());
    result.resources = CompileParsed(parser, options, *writer, result);
    RefuseOutputThatIsAnInput(options.output, options.script, result.filesRead);
    output->Commit();
}

// Runs `work`, turning what it throws into the result's error.
template <typename Result, typename Work>
Result Guarded(Work work) {
    Result result;
    try {
        work(result);
        result.ok = true;
    } catch (const CompileError& error) {
        result.error = error.text();
    } catch (const std::bad_alloc&) {
        result.error = "error: out of memory";
    } catch (const std::exception& error) {
        result.error = std::string("error: ") + error.what();
    }
    return result;
}

}  // namespace

CompileResult CompileScript(const CompileOptions& options) {
    return Guarded<CompileResult>([&options](CompileResult& result) {
        if (!IsSupportedCodePage(options.codePage)) {
            throw CompileError(
                {}, "unsupported code page " + std::to_string(options.codePage) + " (the system cannot convert it)");
        }
        if (options.output.empty()) throw CompileError({}, "no output file named");
        if (options.win16 && options.format == OutputFormat::Coff) {
            throw CompileError({}, "a COFF object holds 32-bit resources only: -31 cannot go with it");
        }
        ParserOptions parse{options.codePage, ScriptName(options), options.win16, {}};
        const std::string text = Preprocessed(options, result, &parse.unicodeFiles);
        Parser parser(text, ScriptName(options), std::move(parse));
        // The output is a temporary file until the whole script has compiled, so a script error
        // leaves no trace. Statements name their resource files; the writer reads their bytes.
        WriteResources(parser, options, result);
    });
}

CompileResult ConvertResFile(const CompileOptions& options) {
    return Guarded<CompileResult>([&options](CompileResult& result) {
        if (options.output.empty()) throw CompileError({}, "no output file named");
        const std::string name = options.script == "-" ? "standard input" : "\"" + options.script + "\"";
        fileaccess::Result<std::string> bytes = options.script == "-"
                                                    ? fileaccess::ReadDescriptor(0, "standard input", kResLimit)
                                                    : fileaccess::ReadFile(options.script, kResLimit);
        if (!bytes) throw CompileError({}, bytes.error().what());
        if (options.script != "-") result.filesRead.push_back(options.script);
        const fileaccess::Result<ResFile> res = ReadResFile(*bytes);
        if (!res) throw CompileError({}, name + ": " + res.error().message);
        result.resources = res->entries.size();
        if (options.format == OutputFormat::Coff) return WriteObject(*bytes, options, name, result, {});
        TemporaryOutput output(options.output);
        Put(output.file(), *bytes);
        RefuseOutputThatIsAnInput(options.output, {}, result.filesRead);
        output.Commit();
    });
}

PreprocessResult PreprocessScript(const CompileOptions& options) {
    return Guarded<PreprocessResult>(
        [&options](PreprocessResult& result) { result.text = Preprocessed(options, result); });
}

}  // namespace rc
