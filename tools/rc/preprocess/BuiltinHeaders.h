// The Windows headers built into the compiler, used when no include folder holds the name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace rc {

// A run of a built-in header: lines that only define macros (and blank ones). The compiler takes
// a run whole: it makes the run's definitions the current ones and skips its lines.
struct BuiltinRun {
    std::size_t begin;  // where the line reader stands before the run's first line
    std::size_t end;    // and after its last
    long newlines;      // between the two
};

struct BuiltinHeader {
    std::string_view name;  // lower case, as in "windows.h"
    std::string_view text;
    const BuiltinRun* runs;  // in the order of the text; their index in BuiltinRuns() is their id
    std::size_t runCount;
};

// A #define of a run: the macro's name and its definition from the name on ("X 1", "F(a) a").
struct BuiltinDefinition {
    std::string_view name;
    std::string_view text;
    std::uint32_t run;
};

// A slot of the table of definitions by name: the hash is kept beside the index so that a probe
// that does not match reads no definition.
struct BuiltinSlot {
    std::uint32_t definition;  // the index of the name's first definition + 1; 0 for a free slot
    std::uint32_t hash;        // BuiltinHash of its name
};

// The header of that name, ignoring letter case; nothing when none is built in.
std::optional<BuiltinHeader> FindBuiltinHeader(std::string_view name);

// Every run of every header.
std::span<const BuiltinRun> BuiltinRuns();

// The definitions of that name in the runs of the built-in headers, in the order of the runs;
// `hash` is BuiltinHash(name).
std::span<const BuiltinDefinition> FindBuiltinDefinitions(std::string_view name, std::uint32_t hash);

}  // namespace rc
