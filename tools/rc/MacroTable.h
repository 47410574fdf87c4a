// The defined macros: parsed #define lines, looked up by name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "PpLexer.h"

namespace rc {

struct BuiltinDefinition;

class Macro {
public:
    std::string name;
    bool functionLike = false;
    bool variadic = false;             // the last parameter takes the rest ("..." or "name...")
    bool pastes = false;               // the body holds a "##"
    std::vector<std::string> params;   // "__VA_ARGS__" for a plain "..."
    std::vector<PpToken> body;         // their text is in `text`

    int ParamIndex(std::string_view word) const;

    // The body's text, one block that stays where it is when the macro is moved.
    std::unique_ptr<char[]> text;
};

// Parses the tokens of a #define line from the macro's name on; a "(" right after the name
// (no blank between) starts a parameter list. The body and its text are copied, at their size:
// the tokens may refer to a line that is gone once the macro is defined, and a script defines
// thousands. Throws std::runtime_error.
Macro ParseDefine(const std::vector<PpToken>& tokens, std::size_t first);

// The macros defined by the script, the command line and the built-in headers. A built-in
// header's runs of definitions are not copied in: each run applied gets a number in the order of
// all definitions, and a name's current macro is the one defined last, in the table or in an
// applied run. A script uses a few of the thousands of built-in names; those are lexed on first
// use.
class MacroTable {
public:
    MacroTable();
    void Define(Macro macro);
    void Undefine(std::string_view name);
    // The definitions of that run of a built-in header become the current ones of their names.
    void ApplyBuiltinRun(std::size_t run) { runApplied_[run] = ++order_; }
    // The macro, or nothing. Its address stays the same until the name is defined again.
    const Macro* Find(std::string_view name) const;
    bool Defined(std::string_view name) const;

private:
    // A name looked up with its hash, which also finds it among the built-in definitions: the
    // one hash is computed once.
    struct HashedName {
        std::string_view text;
        std::uint32_t hash;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
        std::size_t operator()(const HashedName& name) const { return name.hash; }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const { return a == b; }
        bool operator()(const HashedName& a, std::string_view b) const { return a.text == b; }
    };
    struct Entry {
        Macro macro;
        std::uint64_t order = 0;
        bool defined = true;  // false: #undef
    };
    // The name's latest definition: an entry of the table (nullptr if none is later) or a built-in one.
    struct Latest {
        const Entry* entry = nullptr;
        const BuiltinDefinition* builtin = nullptr;
    };
    Latest LatestOf(std::string_view name) const;

    std::unordered_map<std::string, Entry, Hash, Equal> macros_;
    std::vector<std::uint64_t> runApplied_;  // the order of each built-in run's last application, 0 never
    mutable std::unordered_map<const BuiltinDefinition*, Macro> lexed_;
    std::uint64_t order_ = 0;
};

}  // namespace rc
