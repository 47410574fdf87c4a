// Header readers; every offset is checked against the bytes.
#include "preview/MediaHeaders.h"

#include "byteformat/ByteReader.h"
#include "preview/Utf8.h"

namespace restallow {
namespace {

using fileaccess::FormatError;

// The bytes are not of the format asked for.
fileaccess::Error NotThatFormat(const char* message) { return FormatError(message, fileaccess::ErrorKind::Signature); }

using byteformat::ReadU16Be;
using byteformat::ReadU32;
using byteformat::ReadU32Be;

// Walks the chunks of a RIFF list body, calling visit(tag, body) for each.
template <typename Visit>
bool WalkChunks(std::string_view list, Visit visit) {
    std::size_t at = 0;
    while (at + 8 <= list.size()) {
        const std::string_view tag = list.substr(at, 4);
        const std::uint32_t size = ReadU32(list, at + 4);
        if (size > list.size() - at - 8) return false;
        if (!visit(tag, list.substr(at + 8, size))) return false;
        at += 8 + size + (size & 1);
    }
    return true;
}

}  // namespace

fileaccess::Result<AnimatedCursor> ReadAnimatedCursor(std::string_view file) {
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "ACON") {
        return NotThatFormat("not an animated cursor (no RIFF ACON header)");
    }
    const std::uint32_t riffSize = ReadU32(file, 4);
    const std::string_view body =
        file.substr(12, std::min<std::size_t>(file.size() - 12, riffSize >= 4 ? riffSize - 4 : 0));
    AnimatedCursor cursor;
    bool header = false;
    const bool complete = WalkChunks(body, [&](std::string_view tag, std::string_view chunk) {
        if (tag == "anih") {
            if (chunk.size() < 36) return false;
            cursor.rateJiffies = ReadU32(chunk, 28);
            header = true;
        } else if (tag == "LIST" && chunk.size() >= 4 && chunk.substr(0, 4) == "fram") {
            return WalkChunks(chunk.substr(4), [&](std::string_view frameTag, std::string_view frame) {
                if (frameTag == "icon") cursor.frames.push_back(frame);
                return true;
            });
        }
        return true;
    });
    if (!complete) return FormatError("the animated cursor is truncated or damaged");
    if (!header) return FormatError("the animated cursor has no anih header");
    if (cursor.frames.empty()) return FormatError("the animated cursor holds no frames");
    return cursor;
}

fileaccess::Result<AviHeader> ReadAviHeader(std::string_view file) {
    if (file.size() < 72 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "AVI ") {
        return NotThatFormat("not an AVI clip (no RIFF AVI header)");
    }
    if (file.substr(24, 4) != "avih") return FormatError("the AVI clip has no main header where it belongs");
    return AviHeader{ReadU32(file, 48), ReadU32(file, 64), ReadU32(file, 68)};
}

fileaccess::Status CheckMidi(std::string_view file) {
    if (file.size() < 14 || file.substr(0, 4) != "MThd" || ReadU32Be(file, 4) < 6)
        return NotThatFormat("not a MIDI file (no MThd header)");
    const std::uint32_t headerSize = ReadU32Be(file, 4);
    if (headerSize > file.size() - 8) return FormatError("the MIDI header is truncated");
    const std::uint16_t tracks = ReadU16Be(file, 10);
    std::size_t at = 8 + headerSize;
    for (std::uint16_t i = 0; i < tracks; ++i) {
        if (at + 8 > file.size() || file.substr(at, 4) != "MTrk")
            return FormatError("MIDI track " + std::to_string(i + 1) + " is missing");
        const std::uint32_t size = ReadU32Be(file, at + 4);
        if (size > file.size() - at - 8) return FormatError("MIDI track " + std::to_string(i + 1) + " is truncated");
        at += 8 + size;
    }
    if (tracks == 0) return FormatError("the MIDI file has no tracks");
    return fileaccess::Ok();
}

fileaccess::Status CheckWave(const std::function<std::string(std::uint64_t, std::size_t)>& read,
                             std::uint64_t fileSize) {
    const std::string head = read(0, 12);
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE")
        return NotThatFormat("not a WAVE sound (no RIFF WAVE header)");
    bool format = false;
    for (std::uint64_t at = 12; at + 8 <= fileSize;) {
        const std::string chunk = read(at, 8);
        if (chunk.size() < 8) break;
        const std::uint32_t size = ReadU32(chunk, 4);
        if (size > fileSize - at - 8)
            return FormatError("the WAVE sound's \"" + chunk.substr(0, 4) + "\" chunk is cut short");
        if (chunk.substr(0, 4) == "fmt ") {
            const std::string fmt = read(at + 8, 16);
            if (size < 16 || fmt.size() < 16 || ReadU32(fmt, 0) >> 16 == 0 || ReadU32(fmt, 4) == 0)
                return FormatError("the WAVE sound's format is damaged");
            format = true;
        } else if (chunk.substr(0, 4) == "data") {
            if (!format) return FormatError("the WAVE sound has no format before its data");
            return fileaccess::Ok();
        }
        at += 8ull + size + (size & 1);
    }
    return FormatError(format ? "the WAVE sound holds no data" : "the WAVE sound has no format");
}

fileaccess::Result<std::string> ReadFontFamily(std::string_view file) {
    if (file.size() < 12) return NotThatFormat("not a TrueType font (too short)");
    const std::uint16_t tables = ReadU16Be(file, 4);
    if (12 + 16ull * tables > file.size()) return FormatError("the font's table directory is truncated");
    for (std::size_t i = 0; i < tables; ++i) {
        const std::size_t entry = 12 + 16 * i;
        if (file.substr(entry, 4) != "name") continue;
        const std::uint32_t offset = ReadU32Be(file, entry + 8), length = ReadU32Be(file, entry + 12);
        if (offset > file.size() || length > file.size() - offset || length < 6)
            return FormatError("the font's name table is damaged");
        const std::string_view names = file.substr(offset, length);
        const std::uint16_t count = ReadU16Be(names, 2), strings = ReadU16Be(names, 4);
        std::string fallback;
        for (std::size_t n = 0; n < count && 6 + 12 * n + 12 <= names.size(); ++n) {
            const std::size_t record = 6 + 12 * n;
            const std::uint16_t platform = ReadU16Be(names, record), nameId = ReadU16Be(names, record + 6);
            const std::uint16_t size = ReadU16Be(names, record + 8), at = ReadU16Be(names, record + 10);
            if (nameId != 1 || std::size_t{strings} + at + size > names.size()) continue;
            const std::string_view text = names.substr(std::size_t{strings} + at, size);
            if (platform == 3 || platform == 0) {  // UTF-16 big-endian, kept as UTF-8
                std::string name;
                for (std::size_t c = 0; c + 1 < text.size(); c += 2) AppendUtf8(name, ReadU16Be(text, c));
                if (!name.empty()) return name;
            } else if (platform == 1 && fallback.empty()) {
                fallback = std::string(text);
            }
        }
        if (!fallback.empty()) return fallback;
        return FormatError("the font names no family");
    }
    return NotThatFormat("not a TrueType font (no name table)");
}

}  // namespace restallow
