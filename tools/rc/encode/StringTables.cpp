// String ids keep their low 16 bits, as rc.exe reads them; adjacent literals join into one string.
#include "encode/StringTables.h"

#include <algorithm>

#include "parse/Literal.h"

namespace rc {

StringTables::Language& StringTables::LanguageOf(std::uint16_t id) {
    const auto found =
        std::find_if(languages_.begin(), languages_.end(), [&](const Language& language) { return language.id == id; });
    if (found != languages_.end()) return *found;
    languages_.push_back({id, {}, {}});
    return languages_.back();
}

void StringTables::Add(StringTableStmt&& stmt, std::uint16_t language, std::uint32_t version,
                       std::uint32_t characteristics) {
    Language& table = LanguageOf(language);
    for (StringEntry& entry : stmt.entries) {
        const auto id = static_cast<std::uint16_t>(entry.id);
        const auto number = static_cast<std::uint16_t>(id / 16 + 1);
        if (!table.last || table.lastNumber != number) {
            auto [block, created] = table.blocks.try_emplace(number);
            if (created) {
                table.order.push_back(number);
                block->second.header = {ResourceId::Number(RtString),
                                        ResourceId::Number(number),
                                        stmt.flags,
                                        language,
                                        stmt.version.value_or(version),
                                        stmt.characteristics.value_or(characteristics)};
            }
            table.last = &block->second;  // a map's elements stay where they are
            table.lastNumber = number;
        }
        StringBundle& bundle = table.last->bundle;
        const std::size_t slot = id & 15;
        if (bundle.strings[slot]) {
            const Location& first = bundle.where[slot];
            throw CompileError(entry.where, "duplicate string id " + std::to_string(id) + " (first defined at " +
                                                first.fileName() + "(" + std::to_string(first.line) + "))");
        }
        std::u16string text = std::move(entry.text);
        if (nullTerminate_) text += u'\0';
        bundle.strings[slot] = std::move(text);
        bundle.where[slot] = entry.where;
    }
}

std::vector<const StringTables::Block*> StringTables::Blocks() const {
    std::vector<const Block*> blocks;
    for (const Language& language : languages_) {
        for (std::uint16_t number : language.order) blocks.push_back(&language.blocks.at(number));
    }
    return blocks;
}

}  // namespace rc
