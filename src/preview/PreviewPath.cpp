// UTF-8 check and the Windows-1252 table of the bytes 0x80 to 0x9F (the rest is Latin-1).
#include "preview/PreviewPath.h"

#include "preview/Utf8.h"

namespace restallow {
namespace {

// 0 marks the five bytes that Windows-1252 leaves undefined; they stay as U+0080..U+009F.
constexpr char32_t k1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t code = length == 1 ? c : c & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 && k1252[c - 0x80] ? k1252[c - 0x80] : char32_t{c});
    }
    return out;
}

std::string FileSystemPath(const std::string& path) { return IsUtf8(path) ? path : Windows1252ToUtf8(path); }

}  // namespace restallow
