// Dialog templates. Win32: DWORD-aligned items, UTF-16 strings, 0xFFFF before ordinals, numbers
// cut to their low 16 bits where 16 bits are written, as rc.exe writes them.
// Windows 3.x: a one-byte item count, 8-bit strings, 0xFF before ordinals, one-byte classes.
#include "encode/DialogEncoder.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string_view>

#include "parse/Literal.h"
#include "resformat/Bytes.h"
#include "resformat/ResWriter.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

constexpr std::uint32_t kDefaultDialogStyle = 0x80880000;  // WS_POPUP | WS_BORDER | WS_SYSMENU
constexpr std::uint32_t kSetFont = 0x40;                   // DS_SETFONT
constexpr std::uint32_t kCaption = 0x00C00000;             // WS_CAPTION
constexpr std::uint32_t kNoId = 0xFFFFFFFF;                // -1, the id of controls nobody asks for

// A text ends at a NUL written inside it (in both formats): rc.exe writes the rest too, and the
// template that follows no longer reads.
std::u16string Text(const StringLiteral& literal, NullHandling nulls = NullHandling::CutAtNull) {
    return DecodeLiteral(literal, nulls);
}

// A name written without quotes keeps its characters; it has no escapes.
std::u16string NameText(const StringLiteral& name) { return Decode(name.body, name.codePage); }

std::u16string TextOf(const DialogText& text) {
    return text.kind == DialogText::Kind::Name ? NameText(text.string) : Text(text.string);
}

std::uint32_t DialogStyle(const DialogStmt& dialog) {
    std::uint32_t style = dialog.style.value_or(kDefaultDialogStyle);
    style = dialog.font ? style | kSetFont : style & ~kSetFont;
    if (dialog.caption) style |= kCaption;
    return style;
}

std::uint32_t ControlStyle(const ControlStmt& control) { return control.style; }

// `owner` and `what` name the field in the message, built only when there is one to give.
std::uint16_t Signed16(std::uint32_t value, std::string_view owner, std::string_view what, bool canBeNegative,
                       const Location& where) {
    const auto number = static_cast<std::int32_t>(value);
    const auto field = [&] { return std::string(owner) + " " + std::string(what); };
    if (number < -32768 || number > 32767) {
        throw CompileError(where,
                           field() + " " + std::to_string(number) + " does not fit in 16 bits (-32768 to 32767)");
    }
    if (!canBeNegative && number < 0) throw CompileError(where, field() + " cannot be negative");
    return static_cast<std::uint16_t>(value);
}

std::uint16_t Unsigned16(std::uint32_t value, std::string_view what, const Location& where) {
    if (value > 0xFFFF)
        throw CompileError(where, std::string(what) + " " + std::to_string(value) + " does not fit in 16 bits");
    return static_cast<std::uint16_t>(value);
}

void PutFrame(std::string& out, const std::uint32_t (&frame)[4], const char* owner, const Location& where) {
    PutU16(out, Signed16(frame[0], owner, "x-coordinate", true, where));
    PutU16(out, Signed16(frame[1], owner, "y-coordinate", true, where));
    PutU16(out, Signed16(frame[2], owner, "width", false, where));
    PutU16(out, Signed16(frame[3], owner, "height", false, where));
}

void CheckCount(const DialogStmt& dialog, std::size_t limit, const char* format) {
    if (dialog.controls.size() <= limit) return;
    throw CompileError(dialog.controls[limit].where, "more than " + std::to_string(limit) + " controls in " + format);
}

// --- Win32 ---

void PutString32(std::string& out, const std::u16string& text) {
    PutU16s(out, text);
    PutU16(out, 0);
}

// A field that holds a name or a number: a name beginning with 0xFFFF would read as a number.
void PutName32(std::string& out, const std::u16string& text, const Location& where, const char* what) {
    if (!text.empty() && text[0] == 0xFFFF)
        throw CompileError(where, std::string(what) + " cannot begin with U+FFFF: it would read as a number");
    PutString32(out, text);
}

// Numbers keep their low 16 bits in the 32-bit format, as rc.exe writes them.
void PutOrdinal32(std::string& out, std::uint32_t ordinal) {
    PutU16(out, 0xFFFF);
    PutU16(out, static_cast<std::uint16_t>(ordinal));
}

void PutClass32(std::string& out, const WindowClass& windowClass, NullHandling nulls) {
    if (windowClass.isOrdinal)
        PutOrdinal32(out, windowClass.ordinal);
    else
        PutName32(out, Text(windowClass.name, nulls), windowClass.name.where, "the class name");
}

void PutFrame32(std::string& out, const std::uint32_t (&frame)[4]) {
    for (std::uint32_t value : frame) PutU16(out, static_cast<std::uint16_t>(value));
}

void PutControl32(std::string& out, const ControlStmt& control, bool extended) {
    out.append((4 - out.size() % 4) % 4, '\0');
    if (extended) {
        PutU32(out, control.helpId.value_or(0));
        PutU32(out, control.exStyle.value_or(0));
        PutU32(out, ControlStyle(control));
    } else {
        PutU32(out, ControlStyle(control));
        PutU32(out, control.exStyle.value_or(0));
    }
    PutFrame32(out, {control.x, control.y, control.width, control.height});
    if (extended)
        PutU32(out, control.id);
    else
        PutU16(out, static_cast<std::uint16_t>(control.id));
    PutClass32(out, control.windowClass, NullHandling::CutAtNull);
    if (!control.text)
        PutU16(out, 0);
    else if (control.text->kind == DialogText::Kind::Ordinal)
        PutOrdinal32(out, control.text->ordinal);
    else
        PutName32(out, TextOf(*control.text), control.text->where, "the control text");
    const std::string_view data = control.data ? std::string_view(*control.data) : std::string_view();
    PutU16(out, Unsigned16(static_cast<std::uint32_t>(data.size()), "control data size", control.where));
    out += data;
}

// --- Windows 3.x ---

std::string Bytes16(const std::u16string& text, const Location& where, const char* what) {
    std::string bytes = Cp1252Bytes(text, where, what);
    bytes += '\0';
    return bytes;
}

// A field that holds a name or a number: a name beginning with a byte from `marker` on would
// read as a number (0xFF) or as a one-byte class (0x80 and above).
std::string Name16(const std::u16string& text, const Location& where, const char* what, std::uint8_t marker = 0xFF) {
    std::string bytes = Bytes16(text, where, what);
    if (static_cast<std::uint8_t>(bytes[0]) >= marker) {
        char shown[8];
        std::snprintf(shown, sizeof shown, "0x%02X", static_cast<unsigned>(static_cast<std::uint8_t>(bytes[0])));
        throw CompileError(where, std::string(what) + " cannot begin with the byte " + shown +
                                      " in a 16-bit dialog: it would read as a number");
    }
    return bytes;
}

void PutOrdinal16(std::string& out, std::uint32_t ordinal, std::string_view what, const Location& where) {
    PutU8(out, 0xFF);
    PutU16(out, Unsigned16(ordinal, what, where));
}

// Known class names become the one-byte classes, as wrc writes them.
std::optional<std::uint8_t> ClassByte(const std::u16string& name) {
    static const char16_t* const kNames[] = {u"BUTTON", u"EDIT", u"STATIC", u"LISTBOX", u"SCROLLBAR", u"COMBOBOX"};
    std::u16string upper = name;
    for (char16_t& unit : upper) {
        if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
    }
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        if (upper == kNames[i]) return static_cast<std::uint8_t>(0x80 + i);
    }
    return std::nullopt;
}

void PutControlClass16(std::string& out, const ControlStmt& control) {
    const WindowClass& windowClass = control.windowClass;
    if (windowClass.isOrdinal) {
        if (windowClass.ordinal < 0x80 || windowClass.ordinal > 0xFF) {
            throw CompileError(control.where, "control class number " + std::to_string(windowClass.ordinal) +
                                                  " cannot be written in a 16-bit dialog (0x80 to 0xFF)");
        }
        PutU8(out, static_cast<std::uint8_t>(windowClass.ordinal));
        return;
    }
    const std::u16string name = Text(windowClass.name);
    if (const auto byte = ClassByte(name))
        PutU8(out, *byte);
    else
        out += Name16(name, windowClass.name.where, "the class name", 0x80);
}

void PutControl16(std::string& out, const ControlStmt& control) {
    PutFrame(out, {control.x, control.y, control.width, control.height}, "control", control.where);
    PutU16(out, control.id == kNoId ? 0xFFFF : Unsigned16(control.id, "control id", control.where));
    PutU32(out, ControlStyle(control));
    PutControlClass16(out, control);
    if (!control.text)
        PutU8(out, 0);
    else if (control.text->kind == DialogText::Kind::Ordinal)
        PutOrdinal16(out, control.text->ordinal, "control text number", control.where);
    else
        out += Name16(TextOf(*control.text), control.text->where, "the control text");
    const std::string_view data = control.data ? std::string_view(*control.data) : std::string_view();
    if (data.size() > 0xFF) {
        throw CompileError(control.where, "control data of " + std::to_string(data.size()) +
                                              " bytes; a 16-bit dialog holds at most 255");
    }
    PutU8(out, static_cast<std::uint8_t>(data.size()));
    out += data;
}

}  // namespace

std::string EncodeDialog32(const DialogStmt& dialog) {
    std::string out;
    out.reserve(64 + 64 * dialog.controls.size());  // a control with a short text takes about 50 bytes
    const std::uint32_t style = DialogStyle(dialog);
    // Only the extended template holds control data: a DIALOG with data becomes one, as windres makes it.
    const bool extended =
        dialog.extended || std::any_of(dialog.controls.begin(), dialog.controls.end(),
                                       [](const ControlStmt& control) { return control.data.has_value(); });
    if (extended) {
        PutU16(out, 1);
        PutU16(out, 0xFFFF);
        PutU32(out, dialog.helpId);
        PutU32(out, dialog.exStyle);
        PutU32(out, style);
    } else {
        // A DIALOG whose style began with 0xFFFF would read as a DIALOGEX.
        if ((style >> 16) == 0xFFFF)
            throw CompileError(dialog.where, "the upper 16 bits of a DIALOG style cannot be 0xFFFF");
        PutU32(out, style);
        PutU32(out, dialog.exStyle);
    }
    CheckCount(dialog, 0xFFFF, "a dialog");
    PutU16(out, static_cast<std::uint16_t>(dialog.controls.size()));
    PutFrame32(out, {dialog.x, dialog.y, dialog.width, dialog.height});
    if (!dialog.menu)
        PutU16(out, 0);
    else if (dialog.menu->isNumber)
        PutOrdinal32(out, dialog.menu->number);
    else
        PutName32(out, dialog.menu->text, dialog.where, "the menu name");
    if (dialog.windowClass)
        PutClass32(out, *dialog.windowClass, NullHandling::CutAtNull);
    else
        PutU16(out, 0);
    PutString32(out, dialog.caption ? Text(*dialog.caption) : std::u16string());
    if (dialog.font) {
        PutU16(out, static_cast<std::uint16_t>(dialog.font->size));
        if (extended) {
            PutU16(out, static_cast<std::uint16_t>(dialog.font->weight));
            PutU8(out, static_cast<std::uint16_t>(dialog.font->italic) != 0);
            PutU8(out, static_cast<std::uint8_t>(dialog.font->charset));
        }
        PutString32(out, Text(dialog.font->face));
    }
    for (const ControlStmt& control : dialog.controls) PutControl32(out, control, extended);
    return out;
}

}  // namespace rc

namespace rc {

std::string EncodeDialog16(const DialogStmt& dialog) {
    if (dialog.extended)
        throw CompileError(dialog.where, "DIALOGEX needs 32-bit output; Windows 3.x has only DIALOG (leave out -31)");
    std::string out;
    PutU32(out, DialogStyle(dialog));
    CheckCount(dialog, 0xFF, "a 16-bit dialog");
    PutU8(out, static_cast<std::uint8_t>(dialog.controls.size()));
    PutFrame(out, {dialog.x, dialog.y, dialog.width, dialog.height}, "dialog", dialog.where);
    if (!dialog.menu)
        PutU8(out, 0);
    else if (dialog.menu->isNumber)
        PutOrdinal16(out, dialog.menu->number, "menu number", dialog.where);
    else
        out += Name16(dialog.menu->text, dialog.where, "the menu name");
    if (!dialog.windowClass)
        PutU8(out, 0);
    else if (dialog.windowClass->isOrdinal)
        PutOrdinal16(out, dialog.windowClass->ordinal, "class number", dialog.where);
    else
        out += Name16(Text(dialog.windowClass->name), dialog.windowClass->name.where, "the class name");
    out += dialog.caption ? Bytes16(Text(*dialog.caption), dialog.caption->where, "the caption") : std::string(1, '\0');
    if (dialog.font) {
        PutU16(out, Unsigned16(dialog.font->size, "font size", dialog.where));
        out += Bytes16(Text(dialog.font->face), dialog.font->face.where, "the font name");
    }
    for (const ControlStmt& control : dialog.controls) PutControl16(out, control);
    return out;
}

}  // namespace rc
