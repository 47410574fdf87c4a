// Readable MENU and MENUEX bodies: one item a line, popups indented.
#include "dump/DumpText.h"
#include "dump/ResDescribe.h"
#include "resformat/BodyFormat.h"
#include "resformat/BodyReader.h"

namespace rc {
namespace {

struct FlagName {
    std::uint16_t flag;
    const char* name;
};

constexpr FlagName kFlagNames[] = {
    {MfChecked, "CHECKED"},           {MfGrayed, "GRAYED"},       {MfHelp, "HELP"},           {MfInactive, "INACTIVE"},
    {MfMenuBarBreak, "MENUBARBREAK"}, {MfMenuBreak, "MENUBREAK"}, {MfOwnerDraw, "OWNERDRAW"}, {MfBitmap, "BITMAP"},
};

std::string Indent(int depth) { return std::string(static_cast<std::size_t>(depth) * 2, ' '); }

void Items(BodyReader& in, std::string& out, int depth) {
    if (depth > kMaxNesting) throw MalformedBody("popups nested too deeply");
    while (true) {
        const std::uint16_t flags = in.U16();
        const bool popup = flags & MfPopup;
        const std::uint16_t id = popup ? 0 : in.U16();
        const std::u16string text = in.Text();
        std::string line = Indent(depth);
        if (!popup && (flags & ~MfEnd) == 0 && id == 0 && text.empty())
            line += "MENUITEM SEPARATOR";
        else
            line += (popup ? "POPUP " : "MENUITEM ") + Quoted(text) + (popup ? "" : ", " + std::to_string(id));
        for (const FlagName& name : kFlagNames) {
            if (flags & name.flag) line += std::string(", ") + name.name;
        }
        out += line + "\n";
        if (popup) Items(in, out, depth + 1);
        if (flags & MfEnd) return;
    }
}

void ItemsEx(BodyReader& in, std::string& out, int depth) {
    if (depth > kMaxNesting) throw MalformedBody("popups nested too deeply");
    while (true) {
        in.Align4();
        const std::uint32_t type = in.U32();
        const std::uint32_t state = in.U32();
        const std::uint32_t id = in.U32();
        const std::uint16_t info = in.U16();
        const std::u16string text = in.Text();
        const bool popup = info & 0x01;
        std::string line = Indent(depth) + (popup ? "POPUP " : "MENUITEM ") + Quoted(text) + ", " + std::to_string(id) +
                           ", type " + Hex(type) + ", state " + Hex(state);
        if (popup) {
            in.Align4();
            line += ", help id " + std::to_string(in.U32());
        }
        out += line + "\n";
        if (popup) ItemsEx(in, out, depth + 1);
        if (info & 0x80) return;
    }
}

}  // namespace

std::string DescribeMenu(std::string_view body, bool win16) {
    BodyReader in(body, win16);
    const std::uint16_t version = in.U16();
    const std::uint16_t offset = in.U16();
    std::string out;
    if (version == 1 && !win16) {
        out += "  MENUEX, help id " + std::to_string(in.U32()) + "\n";
        in.Skip(offset >= 4 ? offset - 4u : 0u);
        if (!in.AtEnd()) ItemsEx(in, out, 2);
        return out;
    }
    out += "  MENU\n";
    in.Skip(offset);
    if (!in.AtEnd()) Items(in, out, 2);
    return out;
}

}  // namespace rc
