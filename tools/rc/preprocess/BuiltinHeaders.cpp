// Looks names up in the tables that the build makes from the files in headers/.
#include "preprocess/BuiltinHeaders.h"

#include <strings.h>
#include <cstddef>

namespace rc {

extern const BuiltinRun kBuiltinRuns[];
extern const BuiltinHeader kBuiltinHeaders[];
extern const BuiltinDefinition kBuiltinDefinitions[];
extern const BuiltinSlot kBuiltinSlots[];
extern const std::size_t kBuiltinHeaderCount, kBuiltinRunCount, kBuiltinDefinitionCount, kBuiltinSlotCount;

std::optional<BuiltinHeader> FindBuiltinHeader(std::string_view name) {
    for (std::size_t i = 0; i < kBuiltinHeaderCount; ++i) {
        const BuiltinHeader& header = kBuiltinHeaders[i];
        if (header.name.size() == name.size() && strncasecmp(header.name.data(), name.data(), name.size()) == 0)
            return header;
    }
    return std::nullopt;
}

std::span<const BuiltinRun> BuiltinRuns() { return {kBuiltinRuns, kBuiltinRunCount}; }

// Open addressing with linear probing; the slot holds the first of the name's definitions, which
// the table keeps side by side.
std::span<const BuiltinDefinition> FindBuiltinDefinitions(std::string_view name, std::uint32_t hash) {
    const std::size_t mask = kBuiltinSlotCount - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const BuiltinSlot& slot = kBuiltinSlots[at];
        if (slot.definition == 0) return {};
        if (slot.hash != hash) continue;
        const BuiltinDefinition* first = kBuiltinDefinitions + (slot.definition - 1);
        if (first->name != name) continue;
        const BuiltinDefinition* last = first + 1;
        while (last < kBuiltinDefinitions + kBuiltinDefinitionCount && last->name == name) ++last;
        return {first, last};
    }
}

}  // namespace rc
