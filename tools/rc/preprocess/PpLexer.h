// The preprocessor's bottom layer: logical lines of a file and the tokens of a line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rc {

// A line as the preprocessor sees it: backslash-newlines joined, comments replaced by a blank.
// A plain line (no quote, comment or backslash) is not copied: it is read in the file's text.
struct LogicalLine {
    std::string text;         // the line joined and cleaned, for any other line
    std::string_view source;  // the plain line inside the file's text; empty otherwise
    int line = 0;             // physical line it starts on
    int lines = 0;            // physical lines it spans

    std::string_view view() const { return source.empty() ? std::string_view(text) : source; }
};

// Reads a file's text one logical line at a time. A comment that spans lines joins them, as in C.
class LineReader {
public:
    explicit LineReader(std::string_view text);

    // False at the end of the text, and at a comment that is not closed: the line of its start
    // is then in openCommentLine(), else 0.
    bool Next(LogicalLine& out);
    int openCommentLine() const { return openCommentLine_; }

    // The text read (without a byte-order mark) and the offset in it of the next line.
    std::string_view text() const { return text_; }
    std::size_t position() const { return pos_; }
    // Goes on at `offset`, which lies `newlines` lines further on.
    void SkipTo(std::size_t offset, long newlines) {
        pos_ = offset;
        line_ += static_cast<int>(newlines);
    }

private:
    // Takes the line at pos_ in place when no copy is needed to read it; false otherwise.
    bool TakePlainLine(LogicalLine& line);
    std::size_t ClosedQuoteEnd(std::size_t at) const;
    bool BackslashBefore(std::size_t newline, std::size_t from) const;
    void SkipSplices();
    void CopyQuoted(char quote, std::string& out);
    bool SkipBlockComment();
    void SkipLineComment();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int openCommentLine_ = 0;
};

enum class PpKind : std::uint8_t { Identifier, Number, String, Char, Punct, Other };

class Macro;

// A set of macros that may not expand a name again: a list shared by the tokens that have it.
struct HiddenSet {
    const Macro* macro;
    const HiddenSet* rest;
};

// A token refers to its text where it lies: in the line being read, in a macro's definition, or
// in the expander's own store for what expansion makes (pasted, stringized, __LINE__). So a
// token is copied without allocating; whoever keeps tokens keeps their text alive too.
// Kind and blank side by side: a token takes 32 bytes, and scripts keep many thousands.
struct PpToken {
    PpKind kind = PpKind::Other;
    bool space = false;  // white space before it
    std::string_view text;
    const HiddenSet* hidden = nullptr;  // none: every macro may expand it

    bool Is(std::string_view punct) const { return kind == PpKind::Punct && text == punct; }
};

// Splits a logical line into tokens, which refer to `line`. An unclosed quote runs to the end of
// the line.
std::vector<PpToken> LexLine(std::string_view line);
// The same into `tokens`, emptied first. Its storage is kept: lexing line after line into one
// vector allocates only when a line is longer than all before it.
void LexLine(std::string_view line, std::vector<PpToken>& tokens);

// The word after the "#" of a directive line, read without lexing the line.
std::string_view DirectiveName(std::string_view line);

// The line as Render would write its tokens, written in `buffer` (grown as need be, never
// shrunk), and the identifiers among them into `names`, emptied first: a line that names no
// macro needs no tokens of its own.
std::string_view RenderLine(std::string_view line, std::string& buffer, std::vector<std::string_view>& names);

// The tokens written back as text: one blank where the source had white space.
std::string Render(const std::vector<PpToken>& tokens, std::size_t from = 0);
// The same appended to `out`.
void RenderTo(std::string& out, const std::vector<PpToken>& tokens, std::size_t from = 0);

}  // namespace rc
