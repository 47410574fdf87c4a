// Readable ACCELERATORS bodies: one entry a line.
#include "dump/DumpText.h"
#include "dump/ResDescribe.h"
#include "resformat/BodyFormat.h"
#include "resformat/BodyReader.h"

namespace rc {

std::string DescribeAccelerators(std::string_view body, bool win16) {
    BodyReader in(body, win16);
    std::string out;
    while (!in.AtEnd()) {
        const std::uint16_t flags = win16 ? in.U8() : in.U16();
        const std::uint16_t key = in.U16();
        const std::uint16_t id = in.U16();
        if (!win16) in.U16();
        std::string line = "  ";
        if (flags & AfVirtKey)
            line += Hex(key);
        else if (key > 0 && key < 0x20)
            line += Quoted(std::u16string{u'^', static_cast<char16_t>('@' + key)});
        else
            line += Quoted(std::u16string(1, static_cast<char16_t>(key)));
        line += ", " + std::to_string(id) + ((flags & AfVirtKey) ? ", VIRTKEY" : ", ASCII");
        for (const auto& [flag, name] : {std::pair{AfNoInvert, "NOINVERT"}, std::pair{AfShift, "SHIFT"},
                                         std::pair{AfControl, "CONTROL"}, std::pair{AfAlt, "ALT"}}) {
            if (flags & flag) line += std::string(", ") + name;
        }
        out += line + "\n";
        if (flags & AfLast) break;
    }
    return out;
}

}  // namespace rc
