// rc.exe reads UTF-16 LE scripts as Unicode: the preprocessor and the parser read them as UTF-8.
#include "preprocess/Utf16Text.h"

#include "resformat/Bytes.h"
#include "resformat/TextCodec.h"

namespace rc {

bool IsUtf16Text(std::string_view text) { return text.size() >= 2 && text[0] == '\xFF' && text[1] == '\xFE'; }

bool Utf16ToUtf8Text(std::string& text) {
    if (!IsUtf16Text(text)) return false;
    std::u16string units;
    units.reserve(text.size() / 2);
    for (std::size_t i = 2; i + 1 < text.size(); i += 2) units += static_cast<char16_t>(ReadU16(text, i));
    std::u16string checked;
    checked.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const bool high = unit >= 0xD800 && unit < 0xDC00, low = unit >= 0xDC00 && unit < 0xE000;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            checked += unit;
            checked += units[++i];
        } else {
            checked += (high || low) ? static_cast<char16_t>(kReplacementCharacter) : unit;
        }
    }
    text = Utf16ToUtf8(checked);
    return true;
}

}  // namespace rc
