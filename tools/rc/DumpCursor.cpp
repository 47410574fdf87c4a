// Reading helpers and text quoting for the readable dumps.
#include "DumpCursor.h"

#include <cstdio>

#include "TextCodec.h"

namespace rc {

std::u16string DumpCursor::Text() {
    std::u16string text;
    while (true) {
        const char16_t unit = win16_ ? Cp1252ToUnicode(U8()) : U16();
        if (unit == 0) return text;
        text += unit;
    }
}

std::string Quoted(std::u16string_view text) {
    std::u16string plain;
    std::string out = "\"";
    const auto flush = [&] {
        out += Utf16ToUtf8(plain);
        plain.clear();
    };
    for (char16_t unit : text) {
        const char* escape = unit == u'"' ? "\"\"" : unit == u'\n' ? "\\n" : unit == u'\t' ? "\\t" : unit == u'\r' ? "\\r" : nullptr;
        if (!escape && unit >= 0x20) {
            plain += unit;
            continue;
        }
        flush();
        if (escape) {
            out += escape;
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(unit));
            out += code;
        }
    }
    flush();
    return out + "\"";
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

}  // namespace rc
