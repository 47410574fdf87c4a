// Line splitting, line counting and integer parsing shared by the script writer and reader.
#include "resources/TextLines.h"

#include <charconv>

#include "fileaccess/InputFile.h"

namespace restallow {

std::vector<std::string_view> SplitLines(std::string_view text) {
    const auto eof = text.find('\x1a');
    if (eof != std::string_view::npos) text = text.substr(0, eof);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

fileaccess::Result<std::string> ReadFileBytes(const std::string& path) {
    return fileaccess::ReadFile(path, kTextFileLimit);
}

fileaccess::Result<std::size_t> CountLines(const std::string& path) {
    const fileaccess::Result<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return bytes.error();
    return SplitLines(*bytes).size();
}

long long NextStartID(long long firstId, long long lineCount) { return (firstId + lineCount) / 10 * 10 + 10; }

bool StringIdsFit(long long firstId, long long lineCount) {
    return firstId >= 0 && firstId <= kMaxStringId && lineCount >= 0 && lineCount <= kMaxStringId + 1 - firstId;
}

std::string StringIdRangeText(std::string_view firstId, long long lineCount) {
    return "The Start-ID " + std::string(firstId) + " with " + std::to_string(lineCount) +
           " lines does not fit the string ids 0 to " + std::to_string(kMaxStringId) + ".";
}

bool TryParseInteger(std::string_view text, long long& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

fileaccess::Result<long long> ParseInteger(std::string_view text) {
    long long value = 0;
    if (!TryParseInteger(text, value))
        return fileaccess::FormatError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

}  // namespace restallow
