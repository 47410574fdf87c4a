// Reads a script that this program wrote back into Resource List entries.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"
#include "resources/KindTable.h"
#include "resources/ResourceEntry.h"

namespace restallow {

struct LoadedScript {
    bool recognised = false;             // the "Created by" line stood within the first 9 lines
    std::vector<ResourceEntry> entries;  // in file order
    KindCounters counters;               // counted from zero over the loaded entries
    std::optional<long long> startId;    // the Start-ID proposal after the last string table
    // Why the loading stopped at a string table (its text file unreadable or unnamed, its ids past
    // 16 bits); the entries before it are kept, so this is no Result of its own.
    fileaccess::Status status = fileaccess::Ok();
};

// Counts the lines of a string table's text file, or says why it cannot be read.
using LineCounter = std::function<fileaccess::Result<std::size_t>(const std::string& path)>;
// Receives the StringID and the path of every string table read (the debug trace).
using StringTableTrace = std::function<void(const std::string& stringId, const std::string& path)>;

LoadedScript ParseScript(std::string_view text, const LineCounter& countLines = {}, const StringTableTrace& trace = {});

}  // namespace restallow
