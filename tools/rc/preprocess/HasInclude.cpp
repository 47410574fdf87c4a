// __has_include in #if and #elif: whether an #include of that name would find a file or a
// built-in header. Decided before the condition's macros are expanded, as gcc does, so that
// the name between < and > stays as written.
#include "preprocess/BuiltinHeaders.h"
#include "preprocess/Preprocessor.h"

namespace rc {

std::vector<PpToken> Preprocessor::ReplaceHasInclude(const File& file, std::vector<PpToken> tokens,
                                                     const Location& where) {
    std::vector<PpToken> out;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != PpKind::Identifier || tokens[i].text != "__has_include") {
            out.push_back(tokens[i]);
            continue;
        }
        std::size_t at = i + 1;
        if (at >= tokens.size() || !tokens[at].Is("("))
            throw CompileError(where, "__has_include needs a file name in parentheses");
        ++at;
        std::string name;
        bool quoted = false;
        if (at < tokens.size() && tokens[at].kind == PpKind::String && tokens[at].text.size() >= 2 &&
            tokens[at].text.front() == '"' && tokens[at].text.back() == '"') {
            name = tokens[at].text.substr(1, tokens[at].text.size() - 2);
            quoted = true;
            ++at;
        } else if (at < tokens.size() && tokens[at].Is("<")) {
            for (++at; at < tokens.size() && !tokens[at].Is(">"); ++at) {
                if (tokens[at].space && !name.empty()) name += ' ';
                name += tokens[at].text;
            }
            if (at++ >= tokens.size()) throw CompileError(where, "__has_include file name is not closed by '>'");
        } else {
            throw CompileError(where, "__has_include needs a file name in double quotes or angle brackets");
        }
        if (at >= tokens.size() || !tokens[at].Is(")"))
            throw CompileError(where, "missing ')' after the file name of __has_include");
        if (name.empty()) throw CompileError(where, "__has_include needs a file name");
        out.push_back({PpKind::Number, true, Findable(file, name, quoted) ? "1" : "0", nullptr});
        i = at;
    }
    return out;
}

// As Include searches: a built-in header sees only the built-in headers.
bool Preprocessor::Findable(const File& file, const std::string& name, bool quoted) {
    if (!file.builtin && resolver_.Find(name, quoted, file.dir,
                                        [this](const std::string& found) { return Identity(found) == open_.back(); })) {
        return true;
    }
    return FindBuiltinHeader(SlashedName(name)).has_value();
}

}  // namespace rc
