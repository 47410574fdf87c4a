// UTF-8 and Windows-1252 decoding, and string-literal escapes with the meaning llvm-rc gives them.
#include "resformat/TextCodec.h"

#include <algorithm>

#include <array>
#include <cctype>
#include <stdexcept>

namespace rc {
namespace {

constexpr std::array<char16_t, 32> kCp1252High = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

// Decodes one UTF-8 sequence at bytes[i]; returns the code point or -1 when it is malformed.
long DecodeUtf8At(std::string_view bytes, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    int length = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > bytes.size()) return -1;
    long code = length == 1 ? b0 : b0 & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80) return -1;
        code = (code << 6) | (b & 0x3F);
    }
    static constexpr long kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return -1;
    i += length;
    return code;
}

void AppendCodePoint(std::u16string& out, long code) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

}  // namespace

bool IsSupportedCodePage(int codePage) {
    return codePage == kAutoCodePage || codePage == kCp1252 || codePage == kCpUtf8;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (DecodeUtf8At(bytes, i) < 0) return false;
    }
    return true;
}

char16_t Cp1252ToUnicode(std::uint8_t byte) {
    return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte;
}

std::optional<std::uint8_t> UnicodeToCp1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<std::uint8_t>(unit);
    for (std::size_t k = 0; k < kCp1252High.size(); ++k) {
        if (kCp1252High[k] == unit) return static_cast<std::uint8_t>(0x80 + k);
    }
    return std::nullopt;
}

std::u16string Decode(std::string_view bytes, int codePage) {
    std::u16string out;
    out.reserve(bytes.size());
    const bool utf8 = codePage == kCpUtf8 || (codePage == kAutoCodePage && IsValidUtf8(bytes));
    if (utf8) {
        for (std::size_t i = 0; i < bytes.size();) {
            const long code = DecodeUtf8At(bytes, i);
            if (code < 0) throw std::runtime_error("invalid UTF-8 text");
            AppendCodePoint(out, code);
        }
    } else {
        for (char c : bytes) out += Cp1252ToUnicode(static_cast<std::uint8_t>(c));
    }
    return out;
}

namespace {

// The value of a \x (up to 4 hex digits wide, 2 narrow) or octal (up to 7 digits wide, 3 narrow)
// escape whose letter or first digit `kind` was just read; `pos` moves past its digits.
char16_t NumericEscape(const std::u16string& chars, std::size_t& pos, char16_t kind, bool wide) {
    if (kind == u'x' || kind == u'X') {
        char16_t value = 0;
        for (int left = wide ? 4 : 2; left > 0 && pos < chars.size() && chars[pos] < 0x80 &&
                                      std::isxdigit(static_cast<int>(chars[pos]));
             --left) {
            const int digit = std::tolower(static_cast<int>(chars[pos++]));
            value = static_cast<char16_t>((value << 4) | (std::isdigit(digit) ? digit - '0' : digit - 'a' + 10));
        }
        return value;
    }
    char16_t value = kind - u'0';
    for (int left = wide ? 6 : 2; left > 0 && pos < chars.size() && chars[pos] >= u'0' && chars[pos] < u'8'; --left) {
        value = static_cast<char16_t>((value << 3) | (chars[pos++] - u'0'));
    }
    return value;
}

void CutAtNulls(std::u16string& out, NullHandling nulls) {
    if (nulls == NullHandling::CutAtNull) {
        const auto nul = out.find(u'\0');
        if (nul != std::u16string::npos) out.resize(nul);
    } else if (nulls == NullHandling::CutAtDoubleNull) {
        const auto pair = out.find(std::u16string(2, u'\0'));
        if (pair != std::u16string::npos) out.resize(pair);
        if (!out.empty() && out.back() == u'\0') out.pop_back();
    }
}

}  // namespace

std::u16string ProcessStringLiteral(std::string_view body, bool wide, int codePage, NullHandling nulls) {
    const std::u16string chars = Decode(body, codePage);
    // Without a code page, only text that UTF-8 reads makes a string UTF-8: plain ASCII text
    // keeps rc.exe's default 1252 for its escaped bytes.
    const bool ascii = std::all_of(body.begin(), body.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const bool utf8Input = codePage == kCpUtf8 || (codePage == kAutoCodePage && !ascii && IsValidUtf8(body));
    std::u16string out;
    out.reserve(chars.size());
    // A narrow string's escaped byte means a character of the script's code page.
    const auto addEscaped = [&](char16_t unit) {
        if (!wide) {
            if (unit > 0xFF) throw std::runtime_error("escaped character too large for a narrow string");
            if (utf8Input && unit >= 0x80) throw std::runtime_error("escaped byte cannot be read as UTF-8");
            if (!utf8Input) unit = Cp1252ToUnicode(static_cast<std::uint8_t>(unit));
        }
        out += unit;
    };
    std::size_t pos = 0;
    while (pos < chars.size()) {
        const char16_t c = chars[pos++];
        if (c == u'"') {
            if (pos == chars.size() || chars[pos] != u'"') throw std::runtime_error("lone double quote in string");
            ++pos;
            out += u'"';
            continue;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (pos == chars.size()) {
            if (!wide) out += u'\\';
            break;
        }
        const char16_t kind = chars[pos++];
        if (kind == u'x' || kind == u'X' || (kind >= u'0' && kind < u'8')) {
            addEscaped(NumericEscape(chars, pos, kind, wide));
        } else if (kind == u'a' || kind == u'A') {
            out += u'\b';
        } else if (kind == u'n') {
            out += u'\n';
        } else if (kind == u'r') {
            out += u'\r';
        } else if (kind == u't' || kind == u'T') {
            out += u'\t';
        } else if (kind == u'\\') {
            out += u'\\';
        } else if (kind == u'"') {
            if (pos < chars.size() && chars[pos] == u'"') ++pos;  // llvm-rc's \"" and the \" of rc.exe
            out += u'"';
        } else if (!wide) {
            out += u'\\';
            out += kind;
        }
    }
    CutAtNulls(out, nulls);
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        long code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

}  // namespace rc
