// MENU bodies (a zero header, then items with a flag word; 16-bit text in the 16-bit format)
// and MENUEX bodies (DWORD type, state and id, DWORD-aligned, with a help id on popups).
#include "encode/StatementEncoders.h"
#include "parse/Literal.h"
#include "resformat/Bytes.h"
#include "resformat/ResWriter.h"

namespace rc {
namespace {

constexpr std::uint16_t kExPopup = 0x01;
constexpr std::uint16_t kExLast = 0x80;
constexpr std::uint32_t kSeparatorType = 0x800;  // MFT_SEPARATOR

void PutText(std::string& out, const MenuItem& item, bool win16) {
    if (item.kind != MenuItem::Kind::Separator) {
        // A text ends at a NUL written inside it: rc.exe writes the rest too, and the items that
        // follow no longer read.
        const std::u16string text = DecodeLiteral(item.text, NullHandling::CutAtNull);
        if (win16) {
            out += NarrowText(text, item.text.where, "the menu text");
        } else {
            PutU16s(out, text);
        }
    }
    if (win16)
        PutU8(out, 0);
    else
        PutU16(out, 0);
}

void PutItems(std::string& out, const std::vector<MenuItem>& items, bool win16) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        std::uint16_t flags = item.flags;
        if (i + 1 == items.size()) flags |= MfEnd;
        if (item.kind == MenuItem::Kind::Popup) flags |= MfPopup;
        PutU16(out, flags);
        if (item.kind != MenuItem::Kind::Popup) PutU16(out, static_cast<std::uint16_t>(item.id));
        PutText(out, item, win16);
        if (item.kind == MenuItem::Kind::Popup) PutItems(out, item.children, win16);
    }
}

void Align4(std::string& out) { out.append((4 - out.size() % 4) % 4, '\0'); }

// Each item's text is padded to a DWORD, the last one's too; a popup without items is written
// as a plain item, as windres does.
void PutItemsEx(std::string& out, const std::vector<MenuItem>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        const bool popup = item.kind == MenuItem::Kind::Popup && !item.children.empty();
        Align4(out);
        PutU32(out, item.kind == MenuItem::Kind::Separator ? kSeparatorType : item.type);
        PutU32(out, item.state);
        PutU32(out, item.id);
        PutU16(out, static_cast<std::uint16_t>((popup ? kExPopup : 0) | (i + 1 == items.size() ? kExLast : 0)));
        PutText(out, item, false);
        Align4(out);
        if (!popup) continue;
        PutU32(out, item.helpId);
        PutItemsEx(out, item.children);
    }
}

}  // namespace

std::string EncodeMenu32(const MenuStmt& menu) {
    std::string out;
    PutU32(out, 0);  // version 0, header size 0
    PutItems(out, menu.items, false);
    return out;
}

std::string EncodeMenu16(const MenuStmt& menu) {
    std::string out;
    PutU32(out, 0);
    PutItems(out, menu.items, true);
    return out;
}

std::string EncodeMenuEx(const MenuStmt& menu) {
    std::string out;
    PutU16(out, 1);  // version
    PutU16(out, 4);  // offset of the items behind this field
    PutU32(out, menu.helpId);
    PutItemsEx(out, menu.items);
    return out;
}

}  // namespace rc
