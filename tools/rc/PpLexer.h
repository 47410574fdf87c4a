// The preprocessor's bottom layer: logical lines of a file and the tokens of a line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rc {

// A line as the preprocessor sees it: backslash-newlines joined, comments replaced by a blank.
struct LogicalLine {
    std::string text;
    std::string_view source;  // the same text inside the file's text when it is one plain line
    int line = 0;   // physical line it starts on
    int lines = 0;  // physical lines it spans
};

// Reads a file's text one logical line at a time. A comment that spans lines joins them, as in C.
class LineReader {
public:
    explicit LineReader(std::string_view text);

    // False at the end of the text. Throws std::runtime_error for a comment that is not closed;
    // the line of its start is then in errorLine().
    bool Next(LogicalLine& out);
    int errorLine() const { return errorLine_; }

    // The text read (without a byte-order mark) and the offset in it of the next line.
    std::string_view text() const { return text_; }
    std::size_t position() const { return pos_; }
    // Goes on at `offset`, which lies `newlines` lines further on.
    void SkipTo(std::size_t offset, long newlines) {
        pos_ = offset;
        line_ += static_cast<int>(newlines);
    }

private:
    // Takes the line at pos_ whole when it holds no quote, comment or backslash; false otherwise.
    bool TakePlainLine(LogicalLine& line);
    void SkipSplices();
    void CopyQuoted(char quote, std::string& out);
    void SkipBlockComment();
    void SkipLineComment();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int errorLine_ = 0;
};

enum class PpKind { Identifier, Number, String, Char, Punct, Other };

class Macro;

struct PpToken {
    PpKind kind = PpKind::Other;
    std::string text;
    bool space = false;                // white space before it
    std::vector<const Macro*> hidden;  // macros that may not expand this name again (sorted)

    bool Is(std::string_view punct) const { return kind == PpKind::Punct && text == punct; }
};

// Splits a logical line into tokens. An unclosed quote runs to the end of the line.
std::vector<PpToken> LexLine(std::string_view line);

// The word after the "#" of a directive line, read without lexing the line.
std::string_view DirectiveName(std::string_view line);

// The tokens written back as text: one blank where the source had white space.
std::string Render(const std::vector<PpToken>& tokens, std::size_t from = 0);

}  // namespace rc
