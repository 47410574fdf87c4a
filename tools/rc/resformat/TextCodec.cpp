// Windows-1252 and UTF-8 are read here; the other code pages go through iconv.
#include "resformat/TextCodec.h"

#include <array>

#include "resformat/IconvCodePage.h"

namespace rc {
namespace {

constexpr std::array<char16_t, 32> kCp1252High = {0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021,
                                                  0x02c6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008d, 0x017d, 0x008f,
                                                  0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
                                                  0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

bool Continuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

// The second byte of a sequence has narrower ranges after some lead bytes (Table 3-7).
bool ValidSecond(unsigned char lead, unsigned char byte) {
    switch (lead) {
        case 0xE0: return byte >= 0xA0 && byte <= 0xBF;
        case 0xED: return byte >= 0x80 && byte <= 0x9F;
        case 0xF0: return byte >= 0x90 && byte <= 0xBF;
        case 0xF4: return byte >= 0x80 && byte <= 0x8F;
        default: return Continuation(byte);
    }
}

// One UTF-8 sequence at the start of `bytes`. A malformed one is U+FFFD over the bytes read up
// to the first that does not fit, that byte included when it is a continuation byte.
CodePoint DecodeUtf8(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const int length = lead < 0x80                    ? 1
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
    if (length == 0) return {kReplacementCharacter, 1};
    if (length == 1) return {lead, 1};
    char32_t value = lead & (0x7F >> length);
    int read = 1;
    for (; read < length && read < static_cast<int>(bytes.size()); ++read) {
        const auto byte = static_cast<unsigned char>(bytes[static_cast<std::size_t>(read)]);
        if (!(read == 1 ? ValidSecond(lead, byte) : Continuation(byte))) {
            return {kReplacementCharacter, static_cast<std::uint8_t>(read + (Continuation(byte) ? 1 : 0))};
        }
        value = (value << 6) | (byte & 0x3F);
    }
    if (read != length) return {kReplacementCharacter, static_cast<std::uint8_t>(read)};
    return {value, static_cast<std::uint8_t>(length)};
}

}  // namespace

bool IsSupportedCodePage(int codePage) {
    if (codePage == kAutoCodePage || codePage == kCp1252 || codePage == kCpUtf8) return true;
    return codePage > 0 && codePage <= 0xFFFF && IconvCodePage(codePage).ok();
}

bool IsValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const CodePoint code = DecodeUtf8(bytes);
        if (code.value == kReplacementCharacter && bytes.substr(0, 3) != "\xEF\xBF\xBD") return false;
        bytes.remove_prefix(code.length);
    }
    return true;
}

char16_t Cp1252ToUnicode(std::uint8_t byte) { return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte; }

std::optional<std::uint8_t> UnicodeToCp1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<std::uint8_t>(unit);
    for (std::size_t k = 0; k < kCp1252High.size(); ++k) {
        if (kCp1252High[k] == unit) return static_cast<std::uint8_t>(0x80 + k);
    }
    return std::nullopt;
}

std::vector<CodePoint> DecodeCodePoints(std::string_view bytes, int codePage) {
    if (codePage == kAutoCodePage) codePage = IsValidUtf8(bytes) ? kCpUtf8 : kCp1252;
    std::vector<CodePoint> out;
    if (codePage != kCpUtf8 && codePage != kCp1252) {
        IconvCodePage converter(codePage);
        if (converter.ok()) return converter.Decode(bytes);
    }
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const CodePoint code = codePage == kCpUtf8 ? DecodeUtf8(bytes)
                                                   : CodePoint{Cp1252ToUnicode(static_cast<std::uint8_t>(bytes[0])), 1};
        out.push_back(code);
        bytes.remove_prefix(code.length);
    }
    return out;
}

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code > 0x10FFFF) code = kReplacementCharacter;
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
        return;
    }
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

std::u16string Decode(std::string_view bytes, int codePage) {
    std::u16string out;
    out.reserve(bytes.size());
    for (const CodePoint& code : DecodeCodePoints(bytes, codePage)) AppendUtf16(out, code.value);
    return out;
}

void AppendNarrow(std::string& out, char32_t code, int codePage) {
    if (codePage == kCpUtf8) {
        std::u16string unit;
        AppendUtf16(unit, code);
        out += Utf16ToUtf8(unit);
        return;
    }
    if (codePage == kAutoCodePage || codePage == kCp1252) {
        const auto byte = code <= 0xFFFF ? UnicodeToCp1252(static_cast<char16_t>(code)) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
        return;
    }
    IconvCodePage converter(codePage);
    if (!converter.ok() || !converter.Encode(code, out)) out += '?';
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
