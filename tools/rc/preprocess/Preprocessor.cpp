// Reads a script line by line: directives change the macros, the conditional stack or the file
// being read; the other lines of active groups are macro-expanded into the output.
#include "preprocess/Preprocessor.h"

#include <strings.h>
#include <algorithm>
#include <charconv>
#include <forward_list>

#include "preprocess/BuiltinHeaders.h"
#include "preprocess/IncludeGuard.h"
#include "preprocess/MacroExpander.h"
#include "preprocess/PpExpression.h"

namespace rc {
namespace {

// A function-like macro call whose ")" is not on this line yet.
bool OpenCall(const std::vector<PpToken>& tokens, const MacroTable& macros) {
    if (std::none_of(tokens.begin(), tokens.end(), [](const PpToken& token) { return token.Is("("); })) return false;
    int depth = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (depth == 0) {
            const Macro* macro = tokens[i].kind == PpKind::Identifier ? macros.Find(tokens[i].text) : nullptr;
            if (macro && macro->functionLike && i + 1 < tokens.size() && tokens[i + 1].Is("(")) {
                depth = 1;
                ++i;
            }
            continue;
        }
        if (tokens[i].Is("(")) ++depth;
        if (tokens[i].Is(")")) --depth;
    }
    return depth > 0;
}

// Where the line's text starts after blanks; npos for a blank line. (std::string_view's
// find_first_not_of looks each character up in the set with memchr.)
std::size_t FirstNonBlank(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != ' ' && c != '\t' && c != '\f' && c != '\v' && c != '\r') return i;
    }
    return std::string_view::npos;
}

PpToken Flag(bool value) { return {PpKind::Number, true, value ? "1" : "0", nullptr}; }

}  // namespace

Preprocessor::Preprocessor(PreprocessOptions options) : options_(std::move(options)), resolver_(options_.search) {
    auto define = [this](const std::string& name, const std::string& value) {
        macros_.Define(LexLine(name + " " + value), 0, {});
    };
    define("RC_INVOKED", "1");
    // The MinGW-w64 headers, when a script takes them from the include path, need a GCC-like
    // compiler: vadefs.h stops at "#error" for any other. Clang says 4.2.1 (and llvm-rc runs it).
    define("__GNUC__", "4");
    define("__GNUC_MINOR__", "2");
    define("__GNUC_PATCHLEVEL__", "1");
    // WIN32 too, as the MinGW-w64 toolchains and the Win32 SDK's makefiles define it: scripts of
    // that time test "#ifdef WIN32" to tell their 32-bit build from their 16-bit one.
    if (!options_.win16) {
        define("_WIN32", "1");
        define("WIN32", "1");
    }
    for (const MacroOption& option : options_.macros) {
        if (option.undefine) {
            macros_.Undefine(option.name);
            continue;
        }
        std::vector<PpToken> name = LexLine(option.name);
        if (name.empty() || name.front().kind != PpKind::Identifier) {
            throw CompileError({}, "bad macro name in -D " + option.name);
        }
        try {
            define(option.name, option.value.value_or("1"));
        } catch (const CompileError& error) {  // the option named: it has no place in a file
            throw CompileError({}, std::string("-D ") + option.name + ": " + error.what());
        }
    }
}

void Preprocessor::ProcessFile(File& file, std::string_view text, int depth) {
    open_.push_back(file.identity);
    LineReader reader(text);
    LogicalLine line;
    std::vector<PpToken> tokens;  // of the line, its storage kept from line to line
    tokens.reserve(64);
    IncludeGuard guard;
    std::size_t nextRun = 0;
    while (true) {
        if (TakeRun(file, reader, nextRun, guard)) continue;
        if (!NextLine(file, reader, line)) break;
        const std::string_view text = line.view();
        const std::size_t first = FirstNonBlank(text);
        if (first == std::string::npos) continue;
        const bool directive = text[first] == '#';
        guard.Before(directive ? DirectiveName(text) : std::string_view(), text, file.conditions.size());
        if (directive) {
            Directive(file, line, tokens, depth);
        } else if (Active(file) && !file.directivesOnly && !PlainLine(file, line)) {
            LexLine(text, tokens);
            TextLine(file, tokens, line, reader, depth);
        }
        guard.After(file.conditions.size());
    }
    if (!file.conditions.empty()) {
        const Conditional& open = file.conditions.back();
        throw CompileError(open.where, open.directive + " without #endif");
    }
    if (!guard.name().empty()) guards_[file.identity] = guard.name();
    open_.pop_back();
}

// A file said #pragma once, or all of it stands inside an #ifndef of a macro now defined: reading
// it again would give nothing (gcc skips such files the same way).
bool Preprocessor::Skipped(const std::string& identity) const {
    if (onceOnly_.count(identity)) return true;
    const auto guard = guards_.find(identity);
    return guard != guards_.end() && macros_.Defined(guard->second);
}

// At the start of a run of a built-in header, its definitions are applied at once (where its
// group is active) and its lines skipped. True when a run was taken.
bool Preprocessor::TakeRun(File& file, LineReader& reader, std::size_t& nextRun, IncludeGuard& guard) {
    while (nextRun < file.runCount && file.runs[nextRun].begin < reader.position()) ++nextRun;
    if (nextRun >= file.runCount || file.runs[nextRun].begin != reader.position()) return false;
    const BuiltinRun& run = file.runs[nextRun++];
    guard.Before("define", "#define", file.conditions.size());
    if (Active(file)) macros_.ApplyBuiltinRun(static_cast<std::size_t>(&run - BuiltinRuns().data()));
    guard.After(file.conditions.size());
    reader.SkipTo(run.end, run.newlines);
    return true;
}

bool Preprocessor::NextLine(const File& file, LineReader& reader, LogicalLine& line) const {
    if (reader.Next(line)) return true;
    if (reader.openCommentLine()) throw CompileError(Where(file, reader.openCommentLine()), "unterminated comment");
    return false;
}

// Most lines of a script name no macro: they are written as rendered, without the expander.
// False for a line that names one, or a name the expander or rcinclude replaces.
bool Preprocessor::PlainLine(const File& file, const LogicalLine& line) {
    const std::string_view rendered = RenderLine(line.view(), plain_, names_);
    for (const std::string_view name : names_) {
        if (name.starts_with("__") || macros_.Find(name)) return false;  // __LINE__, __FILE__
        if (name.size() == 9 && strncasecmp(name.data(), "rcinclude", 9) == 0) return false;
    }
    if (!rendered.empty()) out_.Line(file.name, Where(file, line.line).line, rendered);
    return true;
}

void Preprocessor::TextLine(File& file, std::vector<PpToken>& tokens, const LogicalLine& line, LineReader& reader,
                            int depth) {
    if (tokens.empty()) return;  // only blanks such as a Ctrl+Z at the end
    const Location where = Where(file, line.line);
    if (tokens.front().kind == PpKind::Identifier && tokens.front().text.size() == 9 &&
        strncasecmp(tokens.front().text.data(), "rcinclude", 9) == 0) {
        std::string name = Render(tokens, 1);
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
        if (name.empty()) throw CompileError(where, "rcinclude needs a file name");
        return Include(file, name, true, where, depth);
    }
    // A macro call may run over several lines; its expansion is written on the first. As in
    // gcc, directives between its lines still take effect.
    LogicalLine more;
    std::vector<PpToken> next;
    std::forward_list<std::string> held;  // the further lines' text, which their tokens refer to
    while (OpenCall(tokens, macros_) && NextLine(file, reader, more)) {
        const std::string_view text = more.view();
        const std::size_t first = FirstNonBlank(text);
        if (first != std::string::npos && text[first] == '#') {
            Directive(file, more, next, depth);
            continue;
        }
        if (!Active(file)) continue;
        // A plain line stays in the file's text; another is kept here for its tokens.
        LexLine(more.source.empty() ? std::string_view(held.emplace_front(std::move(more.text))) : more.source, next);
        if (!next.empty()) next.front().space = true;
        tokens.insert(tokens.end(), next.begin(), next.end());
    }
    expander_.Start(where);
    expander_.Expand(tokens, expanded_);
    out_.Line(file.name, where.line, expanded_);
}

void Preprocessor::Directive(File& file, const LogicalLine& line, std::vector<PpToken>& tokens, int depth) {
    if (!Active(file)) {
        const std::string_view word = DirectiveName(line.view());
        if (word != "if" && word != "ifdef" && word != "ifndef" && word != "elif" && word != "else" && word != "endif")
            return;
    }
    LexLine(line.view(), tokens);
    const Location where = Where(file, line.line);
    if (tokens.size() < 2) return;  // "#" alone does nothing
    const std::string_view name = tokens[1].text;
    if (name == "if" || name == "ifdef" || name == "ifndef" || name == "elif" || name == "else" || name == "endif") {
        return Conditionals(file, name, tokens, where);
    }
    if (!Active(file)) return;
    if (tokens[1].kind == PpKind::Number) {
        LineDirective(file, tokens, 1, line, where);
    } else if (name == "define") {
        macros_.Define(tokens, 2, where);
    } else if (name == "undef") {
        if (tokens.size() < 3 || tokens[2].kind != PpKind::Identifier)
            throw CompileError(where, "#undef needs a macro name");
        macros_.Undefine(tokens[2].text);
    } else if (name == "include") {
        IncludeDirective(file, line, tokens, where, depth);
    } else if (name == "line") {
        LineDirective(file, tokens, 2, line, where);
    } else if (name == "error") {
        throw CompileError(where, "#error " + Render(tokens, 2));
    } else if (name == "warning") {
        warnings_.push_back(where.fileName() + "(" + std::to_string(where.line) + "): warning: #warning " +
                            Render(tokens, 2));
    } else if (name == "pragma") {
        const std::string_view pragma = tokens.size() > 2 ? tokens[2].text : std::string_view();
        if (pragma == "once") onceOnly_.insert(file.identity);
        if (pragma == "code_page") out_.Line(file.name, where.line, "#pragma " + Render(tokens, 2));
    } else if (name != "ident" && name != "sccs") {
        throw CompileError(where, "unknown preprocessor directive #" + ShortText(name));
    }
}

void Preprocessor::Conditionals(File& file, std::string_view name, const std::vector<PpToken>& tokens,
                                const Location& where) {
    const std::string directive = std::string("#").append(name);  // short: no allocation
    if (name == "if" || name == "ifdef" || name == "ifndef") {
        const bool parent = Active(file);
        bool value = false;
        if (parent && name == "if") {
            value = Condition(file, tokens, where);
        } else if (parent) {
            if (tokens.size() < 3 || tokens[2].kind != PpKind::Identifier)
                throw CompileError(where, directive + " needs a macro name");
            value = Defined(tokens[2].text) == (name == "ifdef");
        }
        file.conditions.push_back({where, directive, parent, value, value});
        return;
    }
    if (file.conditions.empty()) throw CompileError(where, directive + " without #if");
    Conditional& open = file.conditions.back();
    const auto afterElse = [&] {
        return CompileError(
            where, directive + " after #else (the first #else is at line " + std::to_string(open.elseLine) + ")");
    };
    if (name == "elif") {
        if (open.elseLine) throw afterElse();
        open.active = open.parentActive && !open.taken && Condition(file, tokens, where);
        open.taken = open.taken || open.active;
    } else if (name == "else") {
        if (open.elseLine) throw afterElse();
        open.elseLine = where.line;
        open.active = open.parentActive && !open.taken;
        open.taken = true;
    } else {
        file.conditions.pop_back();
    }
}

// "defined NAME" and "defined(NAME)" are decided before the macros are expanded, and again
// after it for a "defined" that a macro produced (as gcc does).
bool Preprocessor::Condition(const File& file, const std::vector<PpToken>& tokens, const Location& where) {
    expander_.Start(where, true);
    std::vector<PpToken> expression(tokens.begin() + 2, tokens.end());
    expression = ReplaceHasInclude(file, ReplaceDefined(std::move(expression), where), where);
    return EvaluateCondition(ReplaceDefined(expander_.Expand(std::move(expression)), where), where);
}

std::vector<PpToken> Preprocessor::ReplaceDefined(std::vector<PpToken> tokens, const Location& where) const {
    std::vector<PpToken> out;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != PpKind::Identifier || tokens[i].text != "defined") {
            out.push_back(std::move(tokens[i]));
            continue;
        }
        const bool paren = i + 1 < tokens.size() && tokens[i + 1].Is("(");
        const std::size_t at = i + (paren ? 2 : 1);
        if (at >= tokens.size() || tokens[at].kind != PpKind::Identifier)
            throw CompileError(where, "'defined' needs a macro name");
        if (paren && (at + 1 >= tokens.size() || !tokens[at + 1].Is(")")))
            throw CompileError(where, "missing ')' after 'defined'");
        out.push_back(Flag(Defined(tokens[at].text)));
        i = at + (paren ? 1 : 0);
    }
    return out;
}

// "#line N "file"" and the "# N "file"" markers of preprocessed text: the next line is line N.
void Preprocessor::LineDirective(File& file, const std::vector<PpToken>& tokens, std::size_t at,
                                 const LogicalLine& line, const Location& where) {
    if (at >= tokens.size() || tokens[at].kind != PpKind::Number)
        throw CompileError(where, "#line needs a line number");
    int number = 0;
    const std::string digits(tokens[at].text);
    const auto [end, failed] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (failed != std::errc() || end == digits.data())
        throw CompileError(where, "bad line number " + QuotedText(tokens[at].text));
    file.lineDelta = number - (line.line + line.lines);
    if (at + 1 < tokens.size() && tokens[at + 1].kind == PpKind::String && tokens[at + 1].text.front() == '"') {
        const std::string_view quoted = tokens[at + 1].text;
        std::string name;
        for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
            if (quoted[i] == '\\' && i + 2 < quoted.size()) ++i;
            name += quoted[i];
        }
        file.name = std::make_shared<const std::string>(name);
    }
}

}  // namespace rc
