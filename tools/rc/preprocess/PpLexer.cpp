// Logical lines and tokens for the preprocessor, following the C rules that rc.exe's keeps.
#include "preprocess/PpLexer.h"

#include <algorithm>
#include <array>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rc {
namespace {

// ASCII classes without the locale, one table look-up a character: the lexer runs over every
// line of every file.
// kSpecial: the characters that end a run of plain text in LineReader::Next.
enum CharClass : unsigned char { kBlank = 1, kDigit = 2, kIdentStart = 4, kSpecial = 8 };

constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (unsigned char c : std::string_view(" \t\f\v\r\x1a")) classes[c] = kBlank;
    for (int c = '0'; c <= '9'; ++c) classes[c] = kDigit;
    for (int c = 'a'; c <= 'z'; ++c) classes[c] = kIdentStart;
    for (int c = 'A'; c <= 'Z'; ++c) classes[c] = kIdentStart;
    classes['_'] = classes['$'] = kIdentStart;
    for (unsigned char c : std::string_view("\\\n\"'/\r")) classes[c] |= kSpecial;
    return classes;
}();

bool Has(char c, unsigned wanted) { return (kClasses[static_cast<unsigned char>(c)] & wanted) != 0; }
bool IsDigit(char c) { return Has(c, kDigit); }
bool IsIdentStart(char c) { return Has(c, kIdentStart); }
bool IsIdentChar(char c) { return Has(c, kIdentStart | kDigit); }
bool IsSpecial(char c) { return Has(c, kSpecial); }

#if defined(__SSE2__)
// A bit for each of the sixteen bytes at `p` that is one of the kSpecial characters above.
unsigned SpecialMask(const char* p) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto is = [&](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
    const __m128i quotes = _mm_or_si128(is('"'), is('\''));
    const __m128i ends = _mm_or_si128(is('\n'), is('\r'));
    const __m128i comments = _mm_or_si128(is('/'), is('\\'));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(quotes, ends), comments)));
}
#endif

// The offset of the first special character of `text` from `at` on; text.size() if none. The
// line reader looks at every byte read, so with SSE2 it looks at sixteen a step.
std::size_t FindSpecial(std::string_view text, std::size_t at) {
#if defined(__SSE2__)
    for (; text.size() - at >= 16; at += 16) {
        if (const unsigned mask = SpecialMask(text.data() + at))
            return at + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    while (at < text.size() && !IsSpecial(text[at])) ++at;
    return at;
}

// The length of the punctuator at the start of `s`: C's two- and three-character ones, else 1.
std::size_t PunctLength(std::string_view s) {
    if (s.size() < 2) return 1;
    const char a = s[0], b = s[1];
    if (s.size() >= 3 && ((a == '.' && b == '.' && s[2] == '.') || ((a == '<' || a == '>') && b == a && s[2] == '=')))
        return 3;
    if (b == a && (a == '#' || a == '&' || a == '|' || a == '<' || a == '>' || a == '+' || a == '-' || a == '='))
        return 2;
    if (b == '=' && (a == '!' || a == '<' || a == '>' || a == '+' || a == '-' || a == '*' || a == '/' || a == '%' ||
                     a == '&' || a == '|' || a == '^'))
        return 2;
    if (a == '-' && b == '>') return 2;
    return 1;
}

}  // namespace

LineReader::LineReader(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3);
}

// Skips backslash-newline pairs at the read position, counting their lines.
void LineReader::SkipSplices() {
    while (pos_ < text_.size() && text_[pos_] == '\\') {
        std::size_t next = pos_ + 1;
        if (next < text_.size() && text_[next] == '\r') ++next;
        if (next >= text_.size() || text_[next] != '\n') return;
        pos_ = next + 1;
        ++line_;
    }
}

// Copies a quoted literal whose opening quote is already copied; stops before a line end.
void LineReader::CopyQuoted(char quote, std::string& out) {
    while (true) {
        SkipSplices();
        if (pos_ >= text_.size() || text_[pos_] == '\n') return;
        const char c = text_[pos_++];
        out += c;
        if (c == quote) return;
        if (c == '\\') {
            SkipSplices();
            if (pos_ < text_.size() && text_[pos_] != '\n') out += text_[pos_++];
        }
    }
}

// A "*/" split by a backslash-newline is not seen as the end; no real script writes one.
// False for a comment that is not closed.
bool LineReader::SkipBlockComment() {
    const std::size_t end = text_.find("*/", pos_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end + 2;
    const int start = line_;
    line_ += static_cast<int>(std::count(text_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                         text_.begin() + static_cast<std::ptrdiff_t>(stop), '\n'));
    pos_ = stop;
    if (end != std::string_view::npos) return true;
    openCommentLine_ = start;
    return false;
}

// Whether the text after `from` up to the newline at `newline` ends in a backslash (a "\r"
// before the newline aside): a "//" comment there goes on in the next line.
bool LineReader::BackslashBefore(std::size_t newline, std::size_t from) const {
    std::size_t last = newline;
    if (last > from && text_[last - 1] == '\r') --last;
    return last > from && text_[last - 1] == '\\';
}

// Skips a "//" comment up to its line end; a backslash at the end continues it on the next line.
void LineReader::SkipLineComment() {
    while (true) {
        const std::size_t newline = text_.find('\n', pos_);
        if (newline == std::string_view::npos) {
            pos_ = text_.size();
            return;
        }
        if (BackslashBefore(newline, pos_)) {
            pos_ = newline + 1;
            ++line_;
            continue;
        }
        pos_ = newline;
        return;
    }
}

// The end of the literal whose quote is at `at`, when it closes on its line with no backslash
// before a line end; npos otherwise, for the copy to handle.
std::size_t LineReader::ClosedQuoteEnd(std::size_t at) const {
    const char quote = text_[at];
    for (std::size_t i = FindSpecial(text_, at + 1); i < text_.size(); i = FindSpecial(text_, i + 1)) {
        const char c = text_[i];
        if (c == quote) return i + 1;
        if (c == '\n' || c == '\r') return std::string_view::npos;
        if (c == '\\') {
            if (i + 1 >= text_.size() || text_[i + 1] == '\n' || text_[i + 1] == '\r') return std::string_view::npos;
            ++i;
        }
    }
    return std::string_view::npos;
}

// Most lines hold no block comment and no backslash outside a literal: they are taken where
// they lie, a "//" comment at the end left out (the copy would make it one trailing blank).
bool LineReader::TakePlainLine(LogicalLine& line) {
    const std::size_t size = text_.size();
    std::size_t end = pos_;                     // of the line's text
    std::size_t next = std::string_view::npos;  // where the next line starts, once known
    while (next == std::string_view::npos) {
        end = FindSpecial(text_, end);
        const char c = end < size ? text_[end] : '\n';
        if (c == '\n' || (c == '\r' && (end + 1 == size || text_[end + 1] == '\n'))) {
            next = end + (c == '\r' ? 1 : 0);
            next = next < size ? next + 1 : size;
        } else if (c == '\r') {
            ++end;  // a lone one is an ordinary character
        } else if (c == '"' || c == '\'') {
            end = ClosedQuoteEnd(end);
            if (end == std::string_view::npos) return false;
        } else if (c == '/' && end + 1 < size && text_[end + 1] == '/') {
            const std::size_t newline = text_.find('\n', end + 2);
            if (newline == std::string_view::npos) {
                next = size;
                continue;
            }
            if (BackslashBefore(newline, end + 1)) return false;  // the comment goes on
            next = newline + 1;
        } else if (c == '/' && (end + 1 >= size || text_[end + 1] != '*')) {
            ++end;
        } else {
            return false;  // a block comment or a backslash, which may join lines
        }
    }
    line.source = text_.substr(pos_, end - pos_);
    if (next > 0 && text_[next - 1] == '\n') ++line_;
    pos_ = next;
    line.lines = 1;
    return true;
}

bool LineReader::Next(LogicalLine& line) {
    std::string& out = line.text;
    SkipSplices();
    if (pos_ >= text_.size()) return false;
    out.clear();
    line.source = {};
    line.line = line_;
    if (TakePlainLine(line)) return true;
    while (pos_ < text_.size()) {
        // Ordinary characters are copied in runs.
        const std::size_t run = FindSpecial(text_, pos_);
        out.append(text_.substr(pos_, run - pos_));
        pos_ = run;
        if (pos_ >= text_.size()) break;
        const char c = text_[pos_];
        if (c == '\\') {
            const std::size_t before = pos_;
            SkipSplices();
            if (pos_ != before) continue;
        }
        if (c == '\n') {
            ++pos_;
            ++line_;
            break;
        }
        ++pos_;
        if (c == '"' || c == '\'') {
            out += c;
            CopyQuoted(c, out);
            continue;
        }
        if (c == '/') {
            SkipSplices();
            const char next = pos_ < text_.size() ? text_[pos_] : '\0';
            if (next == '/') {
                SkipLineComment();
                out += ' ';
                continue;
            }
            if (next == '*') {
                ++pos_;
                if (!SkipBlockComment()) return false;
                out += ' ';
                continue;
            }
        }
        if (c == '\r' && (pos_ >= text_.size() || text_[pos_] == '\n')) continue;
        out += c;
    }
    line.lines = line_ - line.line;
    if (line.lines == 0) line.lines = 1;  // the last line without a newline
    return true;
}

std::vector<PpToken> LexLine(std::string_view line) {
    std::vector<PpToken> tokens;
    LexLine(line, tokens);
    return tokens;
}

namespace {

// The end of the quoted literal whose opening quote is at `p`; an unclosed string runs to the
// end of the line. Nothing for a lone apostrophe.
const char* QuotedEnd(const char* p, const char* end) {
    const char quote = *p++;
    p += FindSpecial(std::string_view(p, static_cast<std::size_t>(end - p)), 0);  // plain characters
    while (p < end && *p != quote) p += *p == '\\' && p + 1 < end ? 2 : 1;
    if (p < end) return p + 1;
    return quote == '"' ? end : nullptr;
}

// The end of the number that starts at `p`: C's preprocessing numbers, exponent signs included.
const char* NumberEnd(const char* p, const char* end) {
    for (++p; p < end; ++p) {
        const char d = *p;
        const bool sign = (d == '+' || d == '-') && (p[-1] == 'e' || p[-1] == 'E' || p[-1] == 'p' || p[-1] == 'P');
        if (!sign && !IsIdentChar(d) && d != '.') break;
    }
    return p;
}

}  // namespace

void LexLine(std::string_view s, std::vector<PpToken>& tokens) {
    tokens.clear();
    const char* p = s.data();
    const char* const end = p + s.size();
    bool space = false;
    while (p < end) {
        const char c = *p;
        if (Has(c, kBlank)) {
            space = true;
            ++p;
            continue;
        }
        const char* const start = p;
        PpKind kind = PpKind::Punct;
        const bool wideQuote = (c == 'L' || c == 'l') && p + 1 < end && (p[1] == '"' || p[1] == '\'');
        if (c == '"' || c == '\'' || wideQuote) {
            const char* const quoted = QuotedEnd(p + (wideQuote ? 1 : 0), end);
            kind = !quoted ? PpKind::Other : p[wideQuote ? 1 : 0] == '"' ? PpKind::String : PpKind::Char;
            p = quoted ? quoted : start + 1;  // a lone apostrophe is a token of its own
        } else if (IsIdentStart(c)) {
            while (++p < end && IsIdentChar(*p)) {}
            kind = PpKind::Identifier;
        } else if (IsDigit(c) || (c == '.' && p + 1 < end && IsDigit(p[1]))) {
            p = NumberEnd(p, end);
            kind = PpKind::Number;
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            kind = PpKind::Other;
            ++p;
        } else {
            p += PunctLength(std::string_view(p, static_cast<std::size_t>(end - p)));
        }
        tokens.push_back({kind, space, std::string_view(start, static_cast<std::size_t>(p - start)), nullptr});
        space = false;
    }
}

// Reads the tokens as LexLine does, but copies the text between runs of blanks rather than
// listing them. The text is never longer than the line: a blank is written only where the line
// has one or more.
std::string_view RenderLine(std::string_view s, std::string& buffer, std::vector<std::string_view>& names) {
    if (buffer.size() < s.size()) buffer.resize(s.size());
    char* const begin = buffer.data();
    char* written = begin;
    names.clear();
    const char* p = s.data();
    const char* const end = p + s.size();
    const char* copied = p;  // the text from here to p is written as it stands
    const auto copy = [&] {
        std::memcpy(written, copied, static_cast<std::size_t>(p - copied));
        written += p - copied;
    };
    while (p < end) {
        const char c = *p;
        if (Has(c, kBlank)) {  // a run of blanks between tokens is one blank; none at either end
            copy();
            while (p < end && Has(*p, kBlank)) ++p;
            if (written != begin && p < end) *written++ = ' ';
            copied = p;
            continue;
        }
        const char* const start = p;
        const bool wideQuote = (c == 'L' || c == 'l') && p + 1 < end && (p[1] == '"' || p[1] == '\'');
        if (c == '"' || c == '\'' || wideQuote) {
            const char* const quoted = QuotedEnd(p + (wideQuote ? 1 : 0), end);
            p = quoted ? quoted : start + 1;
        } else if (IsIdentStart(c)) {
            while (++p < end && IsIdentChar(*p)) {}
            names.emplace_back(start, static_cast<std::size_t>(p - start));
        } else if (IsDigit(c) || (c == '.' && p + 1 < end && IsDigit(p[1]))) {
            p = NumberEnd(p, end);
        } else {
            ++p;  // how punctuators group changes no blank between them
        }
    }
    copy();
    return {begin, static_cast<std::size_t>(written - begin)};
}

std::string_view DirectiveName(std::string_view text) {
    std::size_t i = text.find('#') + 1;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t end = i;
    while (end < text.size() && ((text[end] >= 'a' && text[end] <= 'z') || (text[end] >= '0' && text[end] <= '9')))
        ++end;
    return text.substr(i, end - i);
}

std::string Render(const std::vector<PpToken>& tokens, std::size_t from) {
    std::string out;
    RenderTo(out, tokens, from);
    return out;
}

void RenderTo(std::string& out, const std::vector<PpToken>& tokens, std::size_t from) {
    const std::size_t start = out.size();
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i].space && out.size() > start) out += ' ';
        out += tokens[i].text;
    }
}

}  // namespace rc
