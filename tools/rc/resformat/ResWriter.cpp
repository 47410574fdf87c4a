// The two .res formats. 32-bit: a leading empty entry, DWORD-aligned headers with UTF-16 names
// and languages. 16-bit: 0xFF + WORD ordinals or NUL-terminated names, WORD flags, DWORD size,
// no alignment, string tables with byte lengths in code page 1252.
#include "resformat/ResWriter.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "resformat/Bytes.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

constexpr std::size_t kMaxResourceSize = 0xFFFFFFFFu;

void PutId32(std::string& out, const ResourceId& id) {
    if (id.isNumber) {
        PutU16(out, 0xFFFF);
        PutU16(out, id.number);
        return;
    }
    PutU16s(out, id.text);
    PutU16(out, 0);
}

void PutId16(std::string& out, const ResourceId& id) {
    if (id.isNumber) {
        PutU8(out, 0xFF);
        PutU16(out, id.number);
        return;
    }
    out += Cp1252Bytes(id.text, {}, "name");
    PutU8(out, 0);
}

}  // namespace

std::string Cp1252Bytes(const std::u16string& text, const Location& where, const char* what) {
    return NarrowText(text, where, what);
}

std::string NarrowText(std::u16string_view text, const Location& where, const char* what) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t unit : text) {
        // U+0080 to U+009F come from escaped bytes (\x80): they stand for themselves.
        const std::optional<std::uint8_t> byte = unit >= 0x80 && unit <= 0x9F
                                                     ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(unit))
                                                     : UnicodeToCp1252(unit);
        if (!byte) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(unit));
            throw CompileError(where,
                               std::string(what) + " holds a character that code page 1252 cannot hold (" + code + ")");
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

void ResWriter::Write(const ResourceHeader& header, std::string_view prefix, std::string_view body) {
    const std::uint64_t size = prefix.size() + body.size();
    Head(header, size);
    Put(prefix);
    Put(body);
    Tail(size);
}

void ResWriter::WriteFile(const ResourceHeader& header, std::string_view prefix, const SourceFile& file,
                          std::uint64_t offset) {
    const std::uint64_t size = prefix.size() + (file.size() - offset);
    Head(header, size);
    Put(prefix);
    Copy(file, offset);
    Tail(size);
}

// Copies inside the kernel where the system can; otherwise through a buffer.
void ResWriter::Copy(const SourceFile& file, std::uint64_t offset) {
    if (std::fflush(out_) != 0) throw CompileError({}, std::string("cannot write the output: ") + std::strerror(errno));
    auto position = static_cast<off_t>(offset);
    const auto end = static_cast<off_t>(file.size());
#ifdef __linux__
    // A stream in memory (the .res on its way into a COFF object) has no descriptor.
    while (position < end && fileno(out_) >= 0) {
        const ssize_t copied =
            ::copy_file_range(file.fd(), &position, fileno(out_), nullptr, static_cast<std::size_t>(end - position), 0);
        if (copied > 0) continue;
        if (copied < 0 && errno == EINTR) continue;
        if (copied == 0 || errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) break;
        throw CompileError({}, std::string("cannot write the output: ") + std::strerror(errno));
    }
#endif
    constexpr std::size_t kChunk = 1 << 20;
    while (position < end) {
        const std::string chunk = file.ReadAt(static_cast<std::uint64_t>(position),
                                              static_cast<std::size_t>(std::min<off_t>(kChunk, end - position)));
        if (chunk.empty()) throw CompileError({}, "a resource file shrank while it was read");
        Put(chunk);
        position += static_cast<off_t>(chunk.size());
    }
}

void ResWriter::Put(std::string_view bytes) {
    if (bytes.empty()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size()) {
        throw CompileError({}, std::string("cannot write the output: ") + std::strerror(errno));
    }
}

void Res32Writer::Begin() {
    std::string empty;
    PutU32(empty, 0);
    PutU32(empty, 0x20);
    PutId32(empty, ResourceId::Number(0));
    PutId32(empty, ResourceId::Number(0));
    empty.append(16, '\0');
    Put(empty);
}

void Res32Writer::Head(const ResourceHeader& header, std::uint64_t size) {
    if (size > kMaxResourceSize) throw CompileError({}, "resource larger than 4 GB");
    std::string head;
    PutU32(head, static_cast<std::uint32_t>(size));
    PutU32(head, 0);  // header size, filled in below
    PutId32(head, header.type);
    PutId32(head, header.name);
    head.append((4 - head.size() % 4) % 4, '\0');
    PutU32(head, 0);  // data version
    PutU16(head, header.flags);
    PutU16(head, header.language);
    PutU32(head, header.version);
    PutU32(head, header.characteristics);
    const auto headerSize = static_cast<std::uint32_t>(head.size());
    PatchU32(head, 4, headerSize);
    Put(head);
}

void Res32Writer::Tail(std::uint64_t size) {
    static constexpr char kZeros[4] = {};
    Put(std::string_view(kZeros, (4 - size % 4) % 4));
}

std::string Res32Writer::EncodeStrings(const StringBundle& bundle) const {
    std::string out;
    std::size_t size = 0;
    for (const auto& text : bundle.strings) size += 2 + (text ? 2 * text->size() : 0);
    out.reserve(size);
    for (std::size_t i = 0; i < bundle.strings.size(); ++i) {
        const std::u16string_view text =
            bundle.strings[i] ? std::u16string_view(*bundle.strings[i]) : std::u16string_view();
        if (text.size() > 0xFFFF) throw CompileError(bundle.where[i], "string longer than 65535 characters");
        PutU16(out, static_cast<std::uint16_t>(text.size()));
        PutU16s(out, text);
    }
    return out;
}

void Res16Writer::CheckId(const ResourceId& id, const Location& where) const {
    if (!id.isNumber) Cp1252Bytes(id.text, where, "the resource name or type");
}

void Res16Writer::Head(const ResourceHeader& header, std::uint64_t size) {
    if (size > kMaxResourceSize) throw CompileError({}, "resource larger than 4 GB");
    std::string head;
    PutId16(head, header.type);
    PutId16(head, header.name);
    PutU16(head, header.flags);
    PutU32(head, static_cast<std::uint32_t>(size));
    Put(head);
}

std::string Res16Writer::EncodeStrings(const StringBundle& bundle) const {
    std::string out;
    for (std::size_t i = 0; i < bundle.strings.size(); ++i) {
        const std::string bytes =
            bundle.strings[i] ? Cp1252Bytes(*bundle.strings[i], bundle.where[i], "the string") : "";
        if (bytes.size() > 255) {
            throw CompileError(bundle.where[i], "string of " + std::to_string(bytes.size()) +
                                                    " bytes; a 16-bit string table holds at most 255");
        }
        PutU8(out, static_cast<std::uint8_t>(bytes.size()));
        out += bytes;
    }
    return out;
}

}  // namespace rc
