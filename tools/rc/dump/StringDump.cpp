// Readable STRINGTABLE blocks: one string a line with its id.
#include "dump/DumpText.h"
#include "dump/ResDescribe.h"
#include "resformat/BodyReader.h"
#include "resformat/TextCodec.h"

namespace rc {

std::string DescribeStrings(std::string_view body, std::uint16_t block, bool win16) {
    BodyReader in(body, win16);
    std::string out;
    for (std::uint32_t slot = 0; slot < 16; ++slot) {
        const std::size_t length = win16 ? in.U8() : in.U16();
        std::u16string text;
        for (std::size_t i = 0; i < length; ++i) text += win16 ? static_cast<char16_t>(in.U8()) : in.U16();
        if (win16) {
            std::string bytes(text.begin(), text.end());
            text.clear();
            for (unsigned char c : bytes) text += Cp1252ToUnicode(c);
        }
        if (length)
            out +=
                "  " + std::to_string((static_cast<std::uint32_t>(block) - 1) * 16 + slot) + " " + Quoted(text) + "\n";
    }
    return out;
}

}  // namespace rc
