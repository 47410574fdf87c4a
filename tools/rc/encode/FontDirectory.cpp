// Builds the font directory from each font's header.
#include "encode/FontDirectory.h"

#include "resformat/Bytes.h"

namespace rc {
namespace {

constexpr std::size_t kHeaderSize = 113;  // dfVersion up to dfReserved
constexpr std::size_t kDeviceOffset = 0x65;
constexpr std::size_t kFaceOffset = 0x69;

// The NUL-terminated name at the offset the header gives; empty when there is none.
std::string_view NameAt(std::string_view font, std::size_t field) {
    const std::uint32_t offset = ReadU32(font, field);
    if (offset == 0 || offset >= font.size()) return {};
    const std::string_view rest = font.substr(offset);
    return rest.substr(0, rest.find('\0'));
}

}  // namespace

void FontDirectory::Add(std::uint16_t ordinal, std::string_view font, const Location& where) {
    constexpr std::size_t kEntrySize32 = 148;
    if (count_ == 0xFFFF) throw CompileError(where, "more than 65535 fonts");
    if (!win16_) {
        ++count_;
        PutU16(entries_, ordinal);
        const std::string_view head = font.substr(0, kEntrySize32);
        entries_.append(head);
        entries_.append(kEntrySize32 - head.size() + 2, '\0');
        return;
    }
    if (font.size() < kHeaderSize) {
        throw CompileError(where, "not a Windows font file: " + std::to_string(font.size()) +
                                      " bytes, shorter than the " + std::to_string(kHeaderSize) + "-byte font header");
    }
    ++count_;
    PutU16(entries_, ordinal);
    entries_.append(font.substr(0, kHeaderSize));
    entries_.append(NameAt(font, kDeviceOffset));
    PutU8(entries_, 0);
    entries_.append(NameAt(font, kFaceOffset));
    PutU8(entries_, 0);
}

std::string FontDirectory::Encode() const {
    std::string out;
    PutU16(out, count_);
    return out + entries_;
}

}  // namespace rc
