// The escapes, tabs and line ends of string literals, and their text or bytes.
#include "parse/Literal.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "resformat/Bytes.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

constexpr int kTabStop = 8;

bool IsOctal(char32_t c) { return c >= '0' && c <= '7'; }

int HexDigit(char32_t c) {
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    return -1;
}

// The blanks that a line end inside a literal swallows, and those after an escaped line end.
bool LineBlank(char32_t c) {
    return c == '\r' || c == '\n' || c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == 0xA0;
}

class LiteralReader {
public:
    LiteralReader(std::string_view body, bool wide, int codePage, int column)
        : chars_(DecodeCodePoints(body, codePage)),
          wide_(wide),
          column_(static_cast<std::size_t>(column) + (wide ? 2 : 1)) {}

    std::vector<LiteralChar> Run() {
        while (pos_ < chars_.size()) {
            const char32_t c = Peek();
            if (c == '\\') {
                Take();
                Escape();
            } else if (c == '\n') {
                Take();
                while (pos_ < chars_.size() && LineBlank(Peek())) Take();
                Put(' ');
                Put('\n');
            } else if (c == '\t') {
                const std::size_t spaces = kTabStop - column_ % kTabStop;
                Take();
                for (std::size_t i = 0; i < spaces; ++i) Put(' ');
            } else {
                Take();
                if (c == '"' && pos_ < chars_.size() && Peek() == '"') Take();  // "" is one quote
                if (c != '\r') Put(c);
            }
        }
        return std::move(out_);
    }

private:
    char32_t Peek() const { return chars_[pos_].value; }
    void Take() {
        column_ += Peek() == '\t' ? kTabStop - column_ % kTabStop : chars_[pos_].length;
        ++pos_;
    }
    void Put(char32_t c, bool escaped = false) { out_.push_back({c, escaped}); }

    // After a backslash.
    void Escape() {
        if (pos_ == chars_.size()) return Put('\\');
        const char32_t c = Peek();
        if (c == '\r' || c == '\n') return EscapedLineEnd();
        if (IsOctal(c)) return Number(8, wide_ ? 7 : 3);
        if (c == 'x' || c == 'X') {
            Take();
            return Number(16, wide_ ? 4 : 2);
        }
        switch (c) {
            case 'a':
            case 'A': Take(); return Put('\b');
            case 'n': Take(); return Put('\n');
            case 'r': Take(); return Put('\r');
            case 't':
            case 'T': Take(); return Put('\t');
            case '\\': Take(); return Put('\\');
            case '"':
                // \" is a quote (the form of old scripts), and \"" one quote too
                Take();
                if (pos_ < chars_.size() && Peek() == '"') Take();
                return Put('"');
            default:
                if (wide_) return Take();  // a wide string drops an unknown escape
                return Put('\\');          // a narrow one keeps it; the character follows as itself
        }
    }

    // A backslash before a line end joins the lines without the blanks between them; before
    // carriage returns that no line feed follows, it stays.
    void EscapedLineEnd() {
        while (pos_ < chars_.size() && Peek() == '\r') Take();
        if (pos_ == chars_.size() || Peek() != '\n') return Put('\\');
        while (pos_ < chars_.size() && LineBlank(Peek())) Take();
    }

    void Number(int base, int maxDigits) {
        std::uint16_t value = 0;
        for (int digits = 0; digits < maxDigits && pos_ < chars_.size(); ++digits) {
            const int digit = base == 8 ? (IsOctal(Peek()) ? static_cast<int>(Peek() - '0') : -1) : HexDigit(Peek());
            if (digit < 0) break;
            value = static_cast<std::uint16_t>(value * base + digit);
            Take();
        }
        Put(value, true);
    }

    std::vector<CodePoint> chars_;
    bool wide_;
    std::size_t column_;
    std::size_t pos_ = 0;
    std::vector<LiteralChar> out_;
};

// Printable ASCII without backslashes is itself in these code pages, read or written, but for
// a doubled quote that is one: most strings skip the reader.
bool PlainCodePage(int codePage) { return codePage == kAutoCodePage || codePage == kCp1252 || codePage == kCpUtf8; }

bool PlainBody(std::string_view body) {
    return std::all_of(body.begin(), body.end(), [](char c) { return c >= 0x20 && c <= 0x7E && c != '\\'; });
}

bool ReadsAsItself(const StringLiteral& literal) {
    if (!PlainCodePage(literal.codePage) || (!literal.wide && !PlainCodePage(literal.outputCodePage))) return false;
    return PlainBody(literal.body);
}

// The characters of such a literal, each given to `put`.
template <typename Put>
void ReadPlain(std::string_view body, Put put) {
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '"' && i + 1 < body.size() && body[i + 1] == '"') ++i;
        put(body[i]);
    }
}

// A literal of printable ASCII without backslashes as UTF-16, read in one pass; false, with
// `text` to be discarded, at the first other character.
bool PlainText(std::string_view body, std::u16string& text) {
    text.resize(body.size());
    char16_t* out = text.data();
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen characters a step while none of them is a control, DEL, 8-bit, backslash or quote.
    for (const __m128i zero = _mm_setzero_si128(); i + 16 <= body.size(); i += 16, out += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(body.data() + i));
        const __m128i odd = _mm_or_si128(
            _mm_or_si128(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)), _mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x7F))),
            _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('"'))));
        if (_mm_movemask_epi8(odd) != 0) break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(bytes, zero));
    }
#endif
    for (; i < body.size(); ++i) {
        const char c = body[i];
        if (c < 0x20 || c > 0x7E || c == '\\') return false;
        if (c == '"' && i + 1 < body.size() && body[i + 1] == '"') ++i;
        *out++ = static_cast<char16_t>(c);
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return true;  // and no NUL to cut at
}

}  // namespace

void CutAtNulls(std::u16string& text, NullHandling nulls) {
    if (nulls == NullHandling::CutAtNull) {
        const auto nul = text.find(u'\0');
        if (nul != std::u16string::npos) text.resize(nul);
    } else if (nulls == NullHandling::CutAtDoubleNull) {
        const auto pair = text.find(std::u16string(2, u'\0'));
        if (pair != std::u16string::npos) text.resize(pair);
        while (!text.empty() && text.back() == u'\0') text.pop_back();
    }
}

std::vector<LiteralChar> ReadLiteral(std::string_view body, bool wide, int codePage, int column) {
    return LiteralReader(body, wide, codePage, column).Run();
}

std::u16string LiteralText(std::string_view body, bool wide, int codePage, NullHandling nulls, int column) {
    std::u16string text;
    if (PlainCodePage(codePage) && PlainText(body, text)) return text;
    text.clear();
    for (const LiteralChar& c : ReadLiteral(body, wide, codePage, column)) {
        if (c.escaped)
            text += static_cast<char16_t>(c.value);
        else
            AppendUtf16(text, c.value);
    }
    CutAtNulls(text, nulls);
    return text;
}

std::u16string DecodeLiteral(const StringLiteral& literal, NullHandling nulls) {
    return LiteralText(literal.body, literal.wide, literal.codePage, nulls, literal.column);
}

std::string LiteralFileName(const StringLiteral& literal) {
    std::string name;
    const std::string_view body = literal.body;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '"' && i + 1 < body.size() && body[i + 1] == '"') ++i;
        if (body[i] != '\\' || i + 1 == body.size()) {
            name += body[i];
            continue;
        }
        // An escape: read it as the literal's reader does, then write its characters as UTF-8.
        std::size_t end = i + 2;
        const char kind = body[i + 1];
        const bool hex = kind == 'x' || kind == 'X';
        if (hex || (kind >= '0' && kind <= '7')) {
            const std::size_t most = hex ? (literal.wide ? 4 : 2) : (literal.wide ? 6 : 2);
            for (std::size_t n = 0;
                 n < most && end < body.size() && (hex ? HexDigit(body[end]) >= 0 : IsOctal(body[end])); ++n)
                ++end;
        }
        std::u16string text;
        for (const LiteralChar& c : ReadLiteral(body.substr(i, end - i), literal.wide, kCp1252))
            AppendUtf16(text, c.value);
        name += Utf16ToUtf8(text);
        i = end - 1;
    }
    return name;
}

std::string LiteralNarrowBytes(const StringLiteral& literal, int outputCodePage) {
    std::string bytes;
    for (const LiteralChar& c : ReadLiteral(literal.body, literal.wide, literal.codePage, literal.column)) {
        if (c.escaped && !literal.wide)
            bytes += static_cast<char>(c.value & 0xFF);
        else
            AppendNarrow(bytes, c.value, outputCodePage);
    }
    return bytes;
}

void AppendDataBytes(std::string& out, const StringLiteral& literal) {
    if (ReadsAsItself(literal)) {
        if (literal.wide)
            return ReadPlain(literal.body, [&out](char c) { PutU16(out, static_cast<std::uint16_t>(c)); });
        if (literal.body.find('"') == std::string::npos) return static_cast<void>(out += literal.body);
        return ReadPlain(literal.body, [&out](char c) { out += c; });
    }
    if (!literal.wide) return static_cast<void>(out += LiteralNarrowBytes(literal, literal.outputCodePage));
    PutU16s(out, DecodeLiteral(literal, NullHandling::Keep));
}

std::string LiteralDataBytes(const StringLiteral& literal) {
    std::string bytes;
    AppendDataBytes(bytes, literal);
    return bytes;
}

}  // namespace rc
