// Decodes DLGTEMPLATE, DLGTEMPLATEEX and the Windows 3.x template into lines of text.
#include "dump/DialogDump.h"

#include <cstdio>

#include "byteformat/ByteReader.h"
#include "resformat/Bytes.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// A string in double quotes, with backslash escapes for what would not show.
std::string Quoted(const std::u16string& text) {
    std::string out = "\"";
    for (char16_t unit : text) {
        if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit == u'\n') {
            out += "\\n";
        } else if (unit == u'\t') {
            out += "\\t";
        } else if (unit < 0x20 || unit == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(unit));
            out += code;
        } else {
            out += Utf16ToUtf8(std::u16string_view(&unit, 1));
        }
    }
    return out + "\"";
}

const char* ClassName(std::uint16_t ordinal) {
    static const char* const kNames[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    return ordinal >= 0x80 && ordinal <= 0x85 ? kNames[ordinal - 0x80] : nullptr;
}

// Reads the fields of either format; throws byteformat::OutOfBounds when the bytes run out.
class TemplateReader : public byteformat::ByteReader {
public:
    TemplateReader(std::string_view bytes, bool win16) : byteformat::ByteReader(bytes, "the template"), win16_(win16) {}

    void Align() {
        if (!win16_) Align4();
    }

    std::u16string String() {
        std::u16string text;
        if (win16_) {
            for (std::uint8_t byte = U8(); byte != 0; byte = U8()) text += Cp1252ToUnicode(byte);
        } else {
            for (std::uint16_t unit = U16(); unit != 0; unit = U16()) text += static_cast<char16_t>(unit);
        }
        return text;
    }

    // A name or an ordinal: "text" or #N; an empty name is "none" where it means there is none.
    std::string NameOrOrdinal(bool isClass, bool emptyIsNone = true) {
        const bool ordinal = win16_ ? Peek8() == 0xFF : Peek16() == 0xFFFF;
        if (ordinal) {
            win16_ ? U8() : U16();
            const std::uint16_t number = U16();
            const char* name = isClass ? ClassName(number) : nullptr;
            return name ? name : "#" + std::to_string(number);
        }
        if (win16_ && isClass && Peek8() >= 0x80) {  // the one-byte classes of Windows 3.x
            const std::uint8_t number = U8();
            const char* name = ClassName(number);
            return name ? name : "#" + std::to_string(number);
        }
        const std::u16string text = String();
        return text.empty() && emptyIsNone ? "none" : Quoted(text);
    }

    std::string Data(std::size_t size) {
        const std::string_view data = Take(size);
        std::string out;
        for (char c : data) {
            char byte[4];
            std::snprintf(byte, sizeof byte, " %02X", static_cast<unsigned>(static_cast<std::uint8_t>(c)));
            out += byte;
        }
        return out;
    }

private:
    bool win16_;
};

std::string Frame(TemplateReader& in) {
    const int x = in.S16(), y = in.S16(), width = in.S16(), height = in.S16();
    return "at " + std::to_string(x) + "," + std::to_string(y) + " size " + std::to_string(width) + "x" +
           std::to_string(height);
}

std::string Control(TemplateReader& in, bool win16, bool extended) {
    std::uint32_t help = 0, exStyle = 0, style = 0, id = 0;
    std::string frame;
    if (win16) {
        frame = Frame(in);
        id = in.U16();
        style = in.U32();
    } else {
        in.Align();
        if (extended) help = in.U32();
        if (extended) exStyle = in.U32();
        style = in.U32();
        if (!extended) exStyle = in.U32();
        frame = Frame(in);
        id = extended ? in.U32() : in.U16();
    }
    const std::string windowClass = in.NameOrOrdinal(true);
    const std::string text = in.NameOrOrdinal(false, false);
    const auto shownId = extended ? static_cast<std::int32_t>(id) : static_cast<std::int16_t>(id);
    const std::size_t dataSize = win16 ? in.U8() : in.U16();
    std::string line =
        windowClass + " text " + text + " id " + std::to_string(shownId) + " " + frame + " style " + Hex(style);
    if (!win16) line += " exstyle " + Hex(exStyle);
    if (extended) line += " help " + std::to_string(help);
    if (dataSize > 0) line += " data" + in.Data(dataSize);
    return line;
}

}  // namespace

std::string DescribeDialog(std::string_view bytes, bool win16) {
    TemplateReader in(bytes, win16);
    std::string out;
    try {
        const bool extended = !win16 && bytes.size() >= 4 && ReadU16(bytes, 0) == 1 && ReadU16(bytes, 2) == 0xFFFF;
        std::uint32_t help = 0, exStyle = 0, style = 0;
        if (extended) {
            in.U32();
            help = in.U32();
            exStyle = in.U32();
            style = in.U32();
        } else {
            style = in.U32();
            if (!win16) exStyle = in.U32();
        }
        const std::size_t count = win16 ? in.U8() : in.U16();
        out += std::string(extended ? "DIALOGEX" : "DIALOG") + " style " + Hex(style);
        if (!win16) out += " exstyle " + Hex(exStyle);
        if (extended) out += " help " + std::to_string(help);
        out += " " + Frame(in) + ", " + std::to_string(count) + " controls\n";
        out += "  menu " + in.NameOrOrdinal(false);
        out += ", class " + in.NameOrOrdinal(false);
        out += ", caption " + Quoted(in.String()) + "\n";
        if (style & 0x40) {  // DS_SETFONT
            out += "  font " + std::to_string(in.U16());
            if (extended) {
                const std::uint16_t weight = in.U16();
                const std::uint8_t italic = in.U8();
                const std::uint8_t charset = in.U8();
                out += " weight " + std::to_string(weight) + " italic " + std::to_string(italic) + " charset " +
                       std::to_string(charset);
            }
            out += " " + Quoted(in.String()) + "\n";
        }
        for (std::size_t i = 0; i < count; ++i)
            out += "  " + std::to_string(i + 1) + ": " + Control(in, win16, extended) + "\n";
        in.Align();
        if (!in.AtEnd()) out += "error: bytes after the last control\n";
    } catch (const byteformat::OutOfBounds& truncated) {
        if (!out.empty() && out.back() != '\n') out += '\n';
        out += "error: the template ends early (at byte " + std::to_string(truncated.at()) + " of " +
               std::to_string(bytes.size()) + ")\n";
    }
    return out;
}

}  // namespace rc
