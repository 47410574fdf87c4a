// Line rules for text files and scripts, and the numbering of string tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"

namespace restallow {

// Splits text into lines: CR LF, a lone CR and a lone LF each end a line, a byte 26 ends the
// text, a last line without an end still counts, and an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view text);

// Text files and scripts larger than this are refused rather than read.
inline constexpr std::uint64_t kTextFileLimit = 256ull * 1024 * 1024;

// The whole file as bytes, or the error naming the file and the reason when it cannot be read
// (missing, a folder, FIFO or device, a read error, larger than kTextFileLimit).
fileaccess::Result<std::string> ReadFileBytes(const std::string& path);

fileaccess::Result<std::size_t> CountLines(const std::string& path);

// The next multiple of ten above the last id that a table starting at firstId uses.
long long NextStartID(long long firstId, long long lineCount);

// String ids are 16-bit: a table's ids firstId .. firstId + lineCount - 1 must lie in 0..65535.
inline constexpr long long kMaxStringId = 65535;
bool StringIdsFit(long long firstId, long long lineCount);
// Why a table does not fit, for the messages of the dialog, the writer and the reader.
std::string StringIdRangeText(std::string_view firstId, long long lineCount);

// A whole decimal number with an optional sign, as typed or read from a script; a Format error
// with the run-time text when the text is no integer.
fileaccess::Result<long long> ParseInteger(std::string_view text);
bool TryParseInteger(std::string_view text, long long& value);

}  // namespace restallow
