// Script reader. Lines are classified by their shape, so every line the writer produces loads back:
// a string line (a blank, digits, a comma) is skipped, a comment line starting with "/* " that holds
// " STRINGTABLE " is a string table, and any other line with a double quote is an entry line.
#include "resources/ScriptReader.h"

#include <algorithm>
#include <cctype>

#include "resources/ScriptWriter.h"
#include "resources/TextLines.h"

namespace restallow {
namespace {

constexpr int kRecognitionLines = 9;
constexpr long long kDefaultStartId = 2000;

bool IsStringLine(std::string_view line) {
    std::size_t i = 1;
    if (line.empty() || line[0] != ' ') return false;
    if (i < line.size() && line[i] == '-') ++i;
    const std::size_t digits = i;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
    return i > digits && i < line.size() && line[i] == ',';
}

// Digits with an optional sign, however many.
bool IsWholeNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsStringTableLine(std::string_view line) {
    return line.starts_with("/* ") && line.find(kStringTableKeyword) != std::string_view::npos;
}

// Cuts the text before the first blank off `rest` and returns it; the blank is dropped.
std::string_view TakeWord(std::string_view& rest) {
    const auto blank = rest.find(' ');
    const std::string_view word = rest.substr(0, blank);
    rest = rest.substr(blank == std::string_view::npos ? rest.size() : blank + 1);
    return word;
}

// Name, then the keyword with a blank on each side, as the writer joined them.
void TakeNameAndType(std::string_view& rest, ResourceEntry& entry) {
    entry.name = TakeWord(rest);
    entry.type = " " + std::string(TakeWord(rest)) + " ";
}

ResourceEntry ParseEntryLine(std::string_view line) {
    ResourceEntry entry;
    TakeNameAndType(line, entry);
    const auto quote = line.find('"');
    entry.file = " " + std::string(quote == std::string_view::npos ? line : line.substr(quote));
    return entry;
}

// Returns false when the line names no text file between two double quotes.
bool ParseStringTableLine(std::string_view line, ResourceEntry& entry) {
    std::string_view rest = line.substr(3);
    TakeNameAndType(rest, entry);
    entry.stringId = TakeWord(rest);
    const auto open = line.find('"', static_cast<std::size_t>(rest.data() - line.data()));
    const auto close = line.rfind('"');
    if (open == std::string_view::npos || close <= open) return false;
    entry.file = " " + std::string(line.substr(open, close - open + 1));
    return true;
}

// Loads the string table of line `index`: its entry, or why the loading stops there. The Start-ID
// proposal moves past the table, or stays where it was when the table's ids pass 16 bits.
bool LoadStringTable(std::string_view line, std::size_t index, LoadedScript& result, const LineCounter& countLines,
                     const StringTableTrace& trace) {
    using fileaccess::FormatError;
    ResourceEntry entry;
    const bool named = ParseStringTableLine(line, entry);
    long long startId = kDefaultStartId;
    const bool number = TryParseInteger(entry.stringId, startId);
    if (!number) startId = kDefaultStartId;
    const std::optional<long long> before = result.startId;
    result.startId = startId;
    if (trace) trace(entry.stringId, entry.path());
    const std::string lineNumber = std::to_string(index + 1);
    if (!named) {
        result.status = FormatError("No text file named in line " + lineNumber);
        return false;
    }
    const fileaccess::Result<std::size_t> counted = countLines ? countLines(entry.path()) : CountLines(entry.path());
    if (!counted) {
        result.status = counted.error();
        return false;
    }
    const auto count = static_cast<long long>(*counted);
    // A StringID written as a number must give 16-bit ids (one too large to parse too).
    if (number ? !StringIdsFit(startId, count) : IsWholeNumber(entry.stringId)) {
        result.startId = before;
        result.status = FormatError("Line " + lineNumber + ": " + StringIdRangeText(entry.stringId, count));
        return false;
    }
    result.startId = NextStartID(startId, count);
    result.counters.Recount(kStringTableKeyword);
    result.entries.push_back(std::move(entry));
    return true;
}

}  // namespace

LoadedScript ParseScript(std::string_view text, const LineCounter& countLines, const StringTableTrace& trace) {
    LoadedScript result;
    const std::vector<std::string_view> lines = SplitLines(text);
    std::size_t next = 0;
    for (; next < lines.size() && next < kRecognitionLines && !result.recognised; ++next) {
        result.recognised = lines[next].find(kCreatedByText) != std::string_view::npos;
    }
    if (!result.recognised) return result;

    for (; next < lines.size(); ++next) {
        const std::string_view line = lines[next];
        if (IsStringLine(line)) continue;
        if (IsStringTableLine(line)) {
            if (!LoadStringTable(line, next, result, countLines, trace)) return result;
        } else if (line.find('"') != std::string_view::npos) {
            ResourceEntry entry = ParseEntryLine(line);
            result.counters.Recount(entry.type);
            result.entries.push_back(std::move(entry));
        }
    }
    return result;
}

}  // namespace restallow
