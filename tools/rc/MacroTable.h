// The defined macros: parsed #define lines, looked up by name.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "PpLexer.h"

namespace rc {

class Macro {
public:
    std::string name;
    bool functionLike = false;
    bool variadic = false;             // the last parameter takes the rest ("..." or "name...")
    std::vector<std::string> params;   // "__VA_ARGS__" for a plain "..."
    std::vector<PpToken> body;
    // The body's text not lexed yet: the built-in headers define thousands of names and a script
    // uses a few, so their bodies are lexed when first expanded. The text outlives the table.
    std::string_view unlexed;

    int ParamIndex(std::string_view word) const;
};

// Parses the tokens of a #define line from the macro's name on; a "(" right after the name
// (no blank between) starts a parameter list. Throws std::runtime_error.
Macro ParseDefine(std::vector<PpToken>&& tokens, std::size_t first);

class MacroTable {
public:
    MacroTable() { macros_.reserve(16384); }  // the built-in headers alone define about 6,000
    void Define(Macro macro);
    // An object-like macro whose body is lexed on first use; `body` must outlive the table.
    void DefineUnlexed(std::string_view name, std::string_view body);
    void Undefine(std::string_view name);
    // The macro with its body lexed, or nothing.
    const Macro* Find(std::string_view name) const;
    bool Defined(std::string_view name) const { return macros_.find(name) != macros_.end(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };
    mutable std::unordered_map<std::string, Macro, Hash, std::equal_to<>> macros_;
};

}  // namespace rc
