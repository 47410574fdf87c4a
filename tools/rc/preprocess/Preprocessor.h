// The preprocessor that runs before the parser: directives, macros, includes, built-in headers.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "preprocess/BuiltinHeaders.h"
#include "preprocess/FileLoader.h"
#include "preprocess/IncludeResolver.h"
#include "preprocess/MacroExpander.h"
#include "preprocess/MacroTable.h"
#include "preprocess/PpOutput.h"
#include "resformat/Diagnostic.h"

namespace rc {

// -D NAME[=VALUE] (value nothing: "1") or -U NAME, applied in the order given.
struct MacroOption {
    std::string name;
    std::optional<std::string> value;
    bool undefine = false;
};

struct PreprocessOptions {
    IncludeSearch search;
    std::vector<MacroOption> macros;
    bool win16 = false;  // no _WIN32
    FileLoader load;
};

class Preprocessor {
public:
    explicit Preprocessor(PreprocessOptions options);

    // The text of the script and all it includes, with line markers. Throws CompileError.
    std::string Run(const std::string& scriptPath, const std::string& text);
    // The files (as the line markers name them) that were UTF-16 and are UTF-8 in the output.
    const std::set<std::string>& unicodeFiles() const { return unicodeFiles_; }

    // The include files read, each once, in the order first read (for a dependency file).
    const std::vector<std::string>& filesRead() const { return filesRead_; }
    // "file(line): warning: #warning text" for each #warning met, also when Run failed later.
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    struct Conditional {
        Location where;
        std::string directive;  // "#if", "#ifdef" or "#ifndef"
        bool parentActive;
        bool taken;   // some branch was taken
        bool active;  // the current branch is taken
        int elseLine = 0;
    };
    struct File {
        std::shared_ptr<const std::string> name;  // as shown in messages and markers
        std::string identity;                     // the canonical path, or the built-in name
        std::string dir;                          // searched first for "name"
        bool directivesOnly = false;              // .h and .c files: their other text is dropped
        bool builtin = false;
        const BuiltinRun* runs = nullptr;  // a built-in header's runs of definitions
        std::size_t runCount = 0;
        int lineDelta = 0;  // set by #line
        std::vector<Conditional> conditions;
    };

    void ProcessFile(File& file, std::string_view text, int depth);
    const std::string& Identity(const std::string& path);
    std::string_view Load(const std::string& path, const std::string& written, const Location& where);
    bool TakeRun(File& file, class LineReader& reader, std::size_t& nextRun, class IncludeGuard& guard);
    bool Skipped(const std::string& identity) const;
    bool NextLine(const File& file, class LineReader& reader, LogicalLine& line) const;
    bool PlainLine(const File& file, const LogicalLine& line);
    void TextLine(File& file, std::vector<PpToken>& tokens, const LogicalLine& line, class LineReader& reader,
                  int depth);
    void Directive(File& file, const LogicalLine& line, std::vector<PpToken>& tokens, int depth);
    void Conditionals(File& file, std::string_view name, const std::vector<PpToken>& tokens, const Location& where);
    bool Condition(const File& file, const std::vector<PpToken>& tokens, const Location& where);
    // Errors of these are at `where`, the line of the #if.
    std::vector<PpToken> ReplaceDefined(std::vector<PpToken> tokens, const Location& where) const;
    std::vector<PpToken> ReplaceHasInclude(const File& file, std::vector<PpToken> tokens, const Location& where);
    bool Findable(const File& file, const std::string& name, bool quoted);
    bool Defined(std::string_view name) const { return macros_.Defined(name) || name == "__has_include"; }
    void Include(File& file, const std::string& written, bool quoted, const Location& where, int depth);
    void IncludeDirective(File& file, const LogicalLine& line, const std::vector<PpToken>& tokens,
                          const Location& where, int depth);
    void LineDirective(File& file, const std::vector<PpToken>& tokens, std::size_t at, const LogicalLine& line,
                       const Location& where);
    bool Active(const File& file) const { return file.conditions.empty() || file.conditions.back().active; }
    Location Where(const File& file, int line) const { return {file.name, line + file.lineDelta}; }

    PreprocessOptions options_;
    IncludeResolver resolver_;
    MacroTable macros_;
    PpOutput out_;
    MacroExpander expander_{macros_};            // for text lines and conditions, kept from line to line
    std::vector<PpToken> expanded_;              // a text line's expansion, its storage kept from line to line
    std::string plain_;                          // room for a line that names no macro, as written out
    std::vector<std::string_view> names_;        // the identifiers of that line
    std::vector<std::string> open_;              // identities of the files being read, outermost first
    std::set<std::string> onceOnly_;             // files that said #pragma once
    std::set<std::string> unicodeFiles_;         // as named in the output
    std::set<std::string> unicodeIdentities_;    // identities of the include files read from UTF-16
    std::map<std::string, std::string> guards_;  // file -> the macro its include guard tests
    std::unordered_map<std::string, std::string> identities_;  // path -> its file's identity
    std::unordered_map<std::string, std::string> texts_;       // identity -> the file's text
    std::vector<std::string> filesRead_;
    std::vector<std::string> warnings_;
};

}  // namespace rc
