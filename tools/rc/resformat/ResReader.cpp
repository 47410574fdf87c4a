// .res reader and lister.
#include "resformat/ResReader.h"

#include <cstdio>

#include "resformat/Bytes.h"
#include "resformat/ResourceTypes.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

bool Is32Bit(std::string_view bytes) {
    static constexpr char kEmptyEntry[] = {0, 0, 0, 0, 0x20, 0, 0, 0, '\xff', '\xff', 0, 0, '\xff', '\xff', 0, 0};
    return bytes.size() >= 32 && bytes.substr(0, 16) == std::string_view(kEmptyEntry, 16);
}

// Reads an id of the 32-bit format at `at`; false when it runs off the end.
bool ReadId32(std::string_view bytes, std::size_t& at, ResourceId& id) {
    if (at + 2 > bytes.size()) return false;
    if (ReadU16(bytes, at) == 0xFFFF) {
        if (at + 4 > bytes.size()) return false;
        id = ResourceId::Number(ReadU16(bytes, at + 2));
        at += 4;
        return true;
    }
    std::u16string text;
    for (; at + 2 <= bytes.size(); at += 2) {
        const char16_t unit = ReadU16(bytes, at);
        if (unit == 0) {
            at += 2;
            id = ResourceId::Text(std::move(text));
            return true;
        }
        text += unit;
    }
    return false;
}

bool ReadId16(std::string_view bytes, std::size_t& at, ResourceId& id) {
    if (at >= bytes.size()) return false;
    if (static_cast<std::uint8_t>(bytes[at]) == 0xFF) {
        if (at + 3 > bytes.size()) return false;
        id = ResourceId::Number(ReadU16(bytes, at + 1));
        at += 3;
        return true;
    }
    const auto end = bytes.find('\0', at);
    if (end == std::string_view::npos) return false;
    std::u16string text;
    for (char c : bytes.substr(at, end - at)) text += Cp1252ToUnicode(static_cast<std::uint8_t>(c));
    id = ResourceId::Text(std::move(text));
    at = end + 1;
    return true;
}

fileaccess::Error Broken(std::size_t at) {
    return fileaccess::FormatError("broken resource file at offset " + std::to_string(at));
}

fileaccess::Result<ResFile> Read32(std::string_view bytes) {
    ResFile file;
    for (std::size_t at = 32; at < bytes.size();) {
        if (at + 8 > bytes.size()) return Broken(at);
        const std::uint32_t dataSize = ReadU32(bytes, at), headerSize = ReadU32(bytes, at + 4);
        if (headerSize < 16 || headerSize > bytes.size() - at || dataSize > bytes.size() - at - headerSize)
            return Broken(at);
        ResEntry entry;
        std::size_t field = at + 8;
        if (!ReadId32(bytes, field, entry.type) || !ReadId32(bytes, field, entry.name)) return Broken(at);
        field = (field + 3) & ~std::size_t{3};
        if (field + 16 > at + headerSize) return Broken(at);
        entry.flags = ReadU16(bytes, field + 4);
        entry.language = ReadU16(bytes, field + 6);
        entry.data = bytes.substr(at + headerSize, dataSize);
        file.entries.push_back(entry);
        at = (at + headerSize + dataSize + 3) & ~std::size_t{3};
    }
    return file;
}

fileaccess::Result<ResFile> Read16(std::string_view bytes) {
    ResFile file;
    file.win16 = true;
    for (std::size_t at = 0; at < bytes.size();) {
        ResEntry entry;
        std::size_t field = at;
        if (!ReadId16(bytes, field, entry.type) || !ReadId16(bytes, field, entry.name) || field + 6 > bytes.size()) {
            return Broken(at);
        }
        entry.flags = ReadU16(bytes, field);
        const std::uint32_t size = ReadU32(bytes, field + 2);
        field += 6;
        if (size > bytes.size() - field) return Broken(at);
        entry.data = bytes.substr(field, size);
        file.entries.push_back(entry);
        at = field + size;
    }
    return file;
}

}  // namespace

fileaccess::Result<ResFile> ReadResFile(std::string_view bytes) {
    return Is32Bit(bytes) ? Read32(bytes) : Read16(bytes);
}

std::string TypeText(const ResourceId& type) {
    if (!type.isNumber) return Utf16ToUtf8(type.text);
    switch (type.number) {
        case RtCursor: return "CURSOR";
        case RtBitmap: return "BITMAP";
        case RtIcon: return "ICON";
        case 4: return "MENU";
        case 5: return "DIALOG";
        case RtString: return "STRINGTABLE";
        case 9: return "ACCELERATORS";
        case RtRcData: return "RCDATA";
        case RtGroupCursor: return "GROUP_CURSOR";
        case RtGroupIcon: return "GROUP_ICON";
        case 16: return "VERSIONINFO";
        case RtAniCursor: return "ANICURSOR";
        case RtAniIcon: return "ANIICON";
        default: return "#" + std::to_string(type.number);
    }
}

std::string IdText(const ResourceId& id) {
    return id.isNumber ? "#" + std::to_string(id.number) : Utf16ToUtf8(id.text);
}

std::string ListResFile(const ResFile& file) {
    std::string out;
    char line[512];
    for (const ResEntry& entry : file.entries) {
        char language[16] = "-";
        if (entry.language) std::snprintf(language, sizeof language, "0x%04x", *entry.language);
        std::snprintf(line, sizeof line, "%-14s %-20s lang %-6s flags 0x%04x size %zu\n", TypeText(entry.type).c_str(),
                      IdText(entry.name).c_str(), language, entry.flags, entry.data.size());
        out += line;
    }
    return out;
}

}  // namespace rc
