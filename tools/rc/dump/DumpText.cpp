// Quoting and hexadecimal numbers for the readable dumps.
#include "dump/DumpText.h"

#include <cstdio>

#include "resformat/TextCodec.h"

namespace rc {

std::string Quoted(std::u16string_view text) {
    std::u16string plain;
    std::string out = "\"";
    const auto flush = [&] {
        out += Utf16ToUtf8(plain);
        plain.clear();
    };
    for (char16_t unit : text) {
        const char* escape = unit == u'"'    ? "\"\""
                             : unit == u'\n' ? "\\n"
                             : unit == u'\t' ? "\\t"
                             : unit == u'\r' ? "\\r"
                                             : nullptr;
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
