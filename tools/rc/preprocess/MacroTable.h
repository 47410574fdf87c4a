// The defined macros: parsed #define lines, looked up by name.
#pragma once

#include <cstdint>
#include <memory_resource>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "preprocess/PpLexer.h"
#include "resformat/Diagnostic.h"

namespace rc {

struct BuiltinDefinition;

// A parsed #define. Its name, parameters and body are views into the arena of the table that
// made it, which keeps them as long as the table lives.
class Macro {
public:
    std::string_view name;
    bool functionLike = false;
    bool variadic = false;                     // the last parameter takes the rest ("..." or "name...")
    bool pastes = false;                       // the body holds a "##"
    std::span<const std::string_view> params;  // "__VA_ARGS__" for a plain "..."
    std::span<const PpToken> body;

    int ParamIndex(std::string_view word) const;
};

// Parses the tokens of a #define line from the macro's name on; a "(" right after the name
// (no blank between) starts a parameter list. Name, parameters and body are copied into `arena`
// with their text: the tokens may refer to a line that is gone once the macro is defined.
// Throws CompileError at `where`, the #define line.
Macro ParseDefine(const std::vector<PpToken>& tokens, std::size_t first, std::pmr::memory_resource& arena,
                  const Location& where);

// The macros defined by the script, the command line and the built-in headers. A built-in
// header's runs of definitions are not copied in: each run applied gets a number in the order of
// all definitions, and a name's current macro is the one defined last, in the table or in an
// applied run. A script uses a few of the thousands of built-in names; those are lexed on first
// use.
class MacroTable {
public:
    MacroTable();
    // The tokens of a #define line from the macro's name on, parsed into the table's arena.
    void Define(const std::vector<PpToken>& tokens, std::size_t first, const Location& where);
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

    // A script defines thousands of small macros that all live until the end: they are made in
    // one arena, freed at once. A redefinition leaves the old one's bytes there, so the arena
    // grows with the definitions read, as the output grows with the lines read.
    mutable std::pmr::monotonic_buffer_resource arena_{16 * 1024};
    std::pmr::unordered_map<std::string_view, Entry, Hash, Equal> macros_{&arena_};  // names in the arena
    std::vector<std::uint64_t> runApplied_;  // the order of each built-in run's last application, 0 never
    mutable std::pmr::unordered_map<const BuiltinDefinition*, Macro> lexed_{&arena_};
    std::uint64_t order_ = 0;
};

}  // namespace rc
