// File names and entry names a script can carry, and the reload check of a written script.
#include "resources/ScriptSafety.h"

#include <strings.h>
#include <algorithm>
#include <array>

#include "resources/ScriptReader.h"

namespace restallow {
namespace {

bool Letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool Digit(char c) { return c >= '0' && c <= '9'; }

// Words that begin a statement (or end a block) wherever a name could stand.
constexpr std::array<const char*, 9> kStatementWords = {
    "LANGUAGE", "STRINGTABLE", "VERSION", "CHARACTERISTICS", "MENUITEM", "POPUP", "VALUE", "BLOCK", "RCINCLUDE"};

}  // namespace

PathProblem ScriptCannotHold(std::string_view path, bool textFile) {
    for (char c : path) {
        if (c == '\r' || c == '\n') return PathProblem::LineBreak;
        if (c == '\0') return PathProblem::Nul;
        if (c == '\x1a') return PathProblem::EndOfText;
        if (c == '"') return PathProblem::Quote;
    }
    if (textFile && path.find("*/") != std::string_view::npos) return PathProblem::CommentEnd;
    return PathProblem::None;
}

bool IsScriptName(std::string_view name) {
    if (name.empty()) return false;
    if (std::all_of(name.begin(), name.end(), Digit)) return name.size() <= 5 && std::stol(std::string(name)) <= 65535;
    if (!Letter(name.front())) return false;
    if (!std::all_of(name.begin(), name.end(), [](char c) { return Letter(c) || Digit(c) || c == '.'; })) return false;
    return std::none_of(kStatementWords.begin(), kStatementWords.end(),
                        [&](const char* word) { return strcasecmp(std::string(name).c_str(), word) == 0; });
}

ScriptFault CheckScriptHolds(const std::vector<ResourceEntry>& entries, std::string_view text) {
    std::vector<const ResourceEntry*> written;
    for (bool tables : {false, true}) {
        for (const ResourceEntry& entry : entries) {
            if (entry.isStringTable() == tables) written.push_back(&entry);
        }
    }
    for (const ResourceEntry* entry : written) {
        if (!IsScriptName(entry->name)) return {ScriptFault::Name, entry->name};
        if (ScriptCannotHold(entry->path(), entry->isStringTable()) != PathProblem::None)
            return {ScriptFault::File, entry->name};
    }
    // The text files were read to write the script; their lines are not counted again here.
    const LoadedScript loaded =
        ParseScript(text, [](const std::string&) -> fileaccess::Result<std::size_t> { return 0; });
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (!loaded.recognised || i >= loaded.entries.size() || loaded.entries[i] != *written[i]) {
            return {ScriptFault::Reload, written[i]->name};
        }
    }
    if (!loaded.recognised || loaded.entries.size() != written.size()) return {ScriptFault::Reload, std::string()};
    return {};
}

}  // namespace restallow
