// The memory options of a resource (MOVEABLE, PURE, PRELOAD, ...) and the flags they give.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "parse/StatementParts.h"

namespace rc {

// The option an upper-case word names, if any.
std::optional<MemoryWord> MemoryWordOf(std::string_view upperWord);
// The flags after one option: DISCARDABLE also sets MOVEABLE and PURE; FIXED clears MOVEABLE
// and DISCARDABLE, IMPURE PURE and DISCARDABLE.
std::uint16_t ApplyMemoryWord(std::uint16_t flags, MemoryWord word);
std::uint16_t ApplyMemoryWords(std::uint16_t flags, const std::vector<MemoryWord>& words);
// The flags of an icon or cursor group, which rc.exe reads its own way: only PRELOAD changes
// MOVEABLE PURE DISCARDABLE, and it clears PURE unless DISCARDABLE or PURE is written too.
std::uint16_t GroupMemoryFlags(const std::vector<MemoryWord>& words);

}  // namespace rc
