// Readable VERSIONINFO bodies: the fixed fields, then one BLOCK or VALUE a line.
#include "dump/DumpText.h"
#include "dump/ResDescribe.h"
#include "resformat/BodyFormat.h"
#include "resformat/BodyReader.h"
#include "resformat/Bytes.h"

namespace rc {
namespace {

std::string Indent(int depth) { return std::string(static_cast<std::size_t>(depth) * 2, ' '); }

std::string VersionText(std::uint32_t high, std::uint32_t low) {
    return std::to_string(high >> 16) + "," + std::to_string(high & 0xFFFF) + "," + std::to_string(low >> 16) + "," +
           std::to_string(low & 0xFFFF);
}

void Fixed(BodyReader& in, std::string& out) {
    if (in.U32() != 0xFEEF04BD) throw MalformedBody("the fixed part lacks its signature");
    in.U32();
    const std::uint32_t file[2] = {in.U32(), in.U32()};
    const std::uint32_t product[2] = {in.U32(), in.U32()};
    out += "  FILEVERSION " + VersionText(file[0], file[1]) + "\n";
    out += "  PRODUCTVERSION " + VersionText(product[0], product[1]) + "\n";
    for (const char* name : {"FILEFLAGSMASK", "FILEFLAGS", "FILEOS", "FILETYPE", "FILESUBTYPE"}) {
        out += std::string("  ") + name + " " + Hex(in.U32()) + "\n";
    }
    in.Skip(8);
}

// A text value is a list of NUL-terminated strings; a binary one a list of 16-bit words.
std::string Values(std::string_view data, bool text, bool win16) {
    std::string out;
    if (text) {
        BodyReader in(data, win16);
        while (!in.AtEnd()) out += ", " + Quoted(in.Text());
        return out;
    }
    for (std::size_t at = 0; at + 1 < data.size(); at += 2) out += ", " + Hex(ReadU16(data, at));
    if (data.size() % 2) out += ", " + Hex(static_cast<std::uint8_t>(data.back()));
    return out;
}

// A 16-bit value has no type word: it is text when it ends with a NUL and holds no other control byte.
bool LooksLikeText(std::string_view data) {
    if (data.empty() || data.back() != '\0') return false;
    for (char c : data) {
        if (c != '\0' && static_cast<unsigned char>(c) < 0x20) return false;
    }
    return true;
}

void Node(BodyReader& in, std::size_t limit, std::string& out, int depth) {
    if (depth > kMaxNesting + 2) throw MalformedBody("blocks nested too deeply");
    in.Align4();
    const std::size_t start = in.position();
    const std::uint16_t length = in.U16();
    const std::uint16_t valueLength = in.U16();
    const bool text = in.win16() || in.U16() == 1;
    const std::u16string key = in.Text();
    in.Align4();
    const std::size_t end = start + length;
    if (end > limit || end < in.position()) throw MalformedBody("a wrong length at byte " + std::to_string(start));
    if (valueLength == 0) {
        out += Indent(depth) + "BLOCK " + Quoted(key) + "\n";
        while (in.position() < end) Node(in, end, out, depth + 1);
    } else {
        const std::size_t bytes = in.win16() || !text ? valueLength : valueLength * 2u;
        const std::string_view data = in.Look(std::min(bytes, end - in.position()));
        const bool asText = in.win16() ? LooksLikeText(data) : text;
        out += Indent(depth) + "VALUE " + Quoted(key) + Values(data, asText, in.win16()) + "\n";
    }
    in.Seek(end);
}

}  // namespace

std::string DescribeVersion(std::string_view body, bool win16) {
    BodyReader in(body, win16);
    const std::uint16_t length = in.U16();
    const std::uint16_t fixedSize = in.U16();
    if (!win16) in.U16();
    const std::u16string key = in.Text();
    in.Align4();
    std::string out = "  VERSIONINFO " + Quoted(key) + "\n";
    if (fixedSize >= 52) Fixed(in, out);
    if (fixedSize < 52) in.Skip(fixedSize);
    if (length > in.size()) throw MalformedBody("the length of VS_VERSION_INFO points beyond the resource");
    while (in.position() < length) Node(in, length, out, 1);
    return out;
}

}  // namespace rc
