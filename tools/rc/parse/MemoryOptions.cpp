// Memory options, as rc.exe applies them.
#include "parse/MemoryOptions.h"

#include <algorithm>

#include "resformat/ResourceTypes.h"

namespace rc {

std::optional<MemoryWord> MemoryWordOf(std::string_view word) {
    if (word == "MOVEABLE") return MemoryWord::Moveable;
    if (word == "FIXED") return MemoryWord::Fixed;
    if (word == "PURE" || word == "SHARED") return MemoryWord::Pure;
    if (word == "IMPURE" || word == "NONSHARED") return MemoryWord::Impure;
    if (word == "PRELOAD") return MemoryWord::Preload;
    if (word == "LOADONCALL") return MemoryWord::LoadOnCall;
    if (word == "DISCARDABLE") return MemoryWord::Discardable;
    return std::nullopt;
}

std::uint16_t ApplyMemoryWord(std::uint16_t flags, MemoryWord word) {
    switch (word) {
        case MemoryWord::Moveable: return flags | MfMoveable;
        case MemoryWord::Fixed: return flags & ~(MfMoveable | MfDiscardable);
        case MemoryWord::Pure: return flags | MfPure;
        case MemoryWord::Impure: return flags & ~(MfPure | MfDiscardable);
        case MemoryWord::Preload: return flags | MfPreload;
        case MemoryWord::LoadOnCall: return flags & ~MfPreload;
        case MemoryWord::Discardable: return flags | MfDiscardable | MfMoveable | MfPure;
    }
    return flags;
}

std::uint16_t ApplyMemoryWords(std::uint16_t flags, const std::vector<MemoryWord>& words) {
    for (MemoryWord word : words) flags = ApplyMemoryWord(flags, word);
    return flags;
}

// Found by rc.exe's behaviour over every combination: without PRELOAD, or where PRELOAD and
// LOADONCALL cancel out, the group keeps its defaults; else every option applies in order, with
// PRELOAD clearing PURE and LOADONCALL setting it unless DISCARDABLE or PURE is written.
std::uint16_t GroupMemoryFlags(const std::vector<MemoryWord>& words) {
    const std::uint16_t initial = MfMoveable | MfPure | MfDiscardable;
    const auto has = [&](MemoryWord word) { return std::find(words.begin(), words.end(), word) != words.end(); };
    if (!has(MemoryWord::Preload)) return initial;
    std::uint16_t flags = initial;
    for (MemoryWord word : words) {
        if (word == MemoryWord::Preload || word == MemoryWord::LoadOnCall) flags = ApplyMemoryWord(flags, word);
    }
    if (flags == initial) return initial;
    const bool pureWritten = has(MemoryWord::Discardable) || has(MemoryWord::Pure);
    for (MemoryWord word : words) {
        flags = ApplyMemoryWord(flags, word);
        if (!pureWritten && word == MemoryWord::Preload) flags &= ~MfPure;
        if (!pureWritten && word == MemoryWord::LoadOnCall) flags |= MfPure;
    }
    return flags;
}

}  // namespace rc
