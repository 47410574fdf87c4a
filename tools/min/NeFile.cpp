// NE reader with every offset checked against the file.
#include "NeFile.h"

#include <algorithm>

namespace ne {
namespace {

std::uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8));
}
std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16); }

// Thrown by Require and turned into the reader's error at ReadProgram; it never leaves this file.
struct Failure {
    fileaccess::Error error;
};

void Require(bool condition, const char* message, fileaccess::ErrorKind kind = fileaccess::ErrorKind::Format) {
    if (!condition) throw Failure{fileaccess::FormatError(message, kind)};
}

void ReadSegments(std::string_view file, Program& p) {
    const std::size_t count = U16(file, p.neOffset + kSegmentCount);
    const std::size_t table = p.neOffset + U16(file, p.neOffset + kSegmentTable);
    Require(table + count * kSegmentEntrySize <= file.size(), "the segment table runs off the end of the file");
    const unsigned shift = p.segmentShift == 0 ? 9 : p.segmentShift;
    Require(shift < 32, "the segment alignment shift is too large");
    for (std::size_t i = 0; i < count; ++i) {
        Segment s;
        s.entryAt = table + i * kSegmentEntrySize;
        const std::uint16_t sector = U16(file, s.entryAt);
        const std::uint16_t length = U16(file, s.entryAt + 2);
        s.flags = U16(file, s.entryAt + 4);
        if (sector != 0) {
            s.offset = static_cast<std::uint64_t>(sector) << shift;
            s.size = length == 0 ? 0x10000 : length;
            Require(s.offset + s.size <= file.size(), "a segment lies beyond the end of the file");
            if (s.flags & kRelocInfo) {
                const std::uint64_t at = s.offset + s.size;
                Require(at + 2 <= file.size(), "a segment's relocation records lie beyond the end of the file");
                s.relocSize = 2 + 8u * U16(file, static_cast<std::size_t>(at));
                Require(at + s.relocSize <= file.size(), "a segment's relocation records lie beyond the end of the file");
            }
        }
        p.segments.push_back(s);
    }
}

void ReadResources(std::string_view file, Program& p) {
    const std::uint16_t relative = U16(file, p.neOffset + kResourceTable);
    if (relative == 0 || relative == U16(file, p.neOffset + kResidentNames)) return;  // no resource table
    std::size_t at = p.neOffset + relative;
    p.resourceTableAt = at;
    Require(at + 2 <= file.size(), "the resource table runs off the end of the file");
    p.resourceShift = U16(file, at);
    Require(p.resourceShift < 32, "the resource alignment shift is too large");
    at += 2;
    while (true) {
        Require(at + 2 <= file.size(), "the resource table runs off the end of the file");
        const std::uint16_t type = U16(file, at);
        if (type == 0) {
            p.resourceTypesEnd = at + 2;
            break;
        }
        Require(at + 8 <= file.size(), "the resource table runs off the end of the file");
        const std::size_t count = U16(file, at + 2);
        at += 8;
        Require(at + count * kResourceEntrySize <= file.size(), "the resource table runs off the end of the file");
        for (std::size_t i = 0; i < count; ++i, at += kResourceEntrySize) {
            Resource r;
            r.entryAt = at;
            r.typeId = type;
            r.offset = static_cast<std::uint64_t>(U16(file, at)) << p.resourceShift;
            r.size = static_cast<std::uint64_t>(U16(file, at + 2)) << p.resourceShift;
            r.id = U16(file, at + 6);
            Require(r.offset + r.size <= file.size() || (r.offset < file.size() && r.offset + r.size - file.size() < (1ull << p.resourceShift)),
                    "a resource lies beyond the end of the file");
            p.resources.push_back(r);
        }
        Require(p.resources.size() <= 0xFFFF, "too many resources");
    }
}

// The resource names follow the type records, each a length byte and its text, up to a zero
// length byte; returns the offset just past that byte.
std::size_t ResourceNamesEnd(std::string_view file, std::size_t at) {
    while (at < file.size() && file[at] != '\0') at += 1 + static_cast<std::uint8_t>(file[at]);
    Require(at < file.size(), "the resource names run off the end of the file");
    return at + 1;
}

// Every block of data must lie after the header and apart from every other.
void CheckOverlaps(const Program& p) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> blocks;
    for (const Segment& s : p.segments) {
        if (s.offset != 0) blocks.emplace_back(s.offset, s.offset + s.size + s.relocSize);
    }
    for (const Resource& r : p.resources) {
        if (r.size != 0) blocks.emplace_back(r.offset, r.offset + r.size);
    }
    std::sort(blocks.begin(), blocks.end());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        Require(blocks[i].first >= p.headerEnd, "a segment or resource overlaps the program's header");
        if (i > 0) Require(blocks[i].first >= blocks[i - 1].second, "segments or resources overlap");
    }
}

// Packing rewrites the NE header, the segment entries and the resource entries: a non-resident
// name table stored over one of them would change with it.
bool NamesOverRewrittenFields(const Program& p) {
    const std::uint64_t begin = p.nonResidentOffset, end = begin + p.nonResidentSize;
    const auto overlaps = [&](std::uint64_t from, std::uint64_t to) { return begin < to && from < end; };
    if (overlaps(p.neOffset, p.neOffset + kNeHeaderSize)) return true;
    if (!p.segments.empty() && overlaps(p.segments.front().entryAt, p.segments.back().entryAt + kSegmentEntrySize)) return true;
    return p.resourceTableAt != 0 && overlaps(p.resourceTableAt, p.resourceTypesEnd);
}

}  // namespace

fileaccess::Result<Program> ReadProgram(std::string_view file) {
    try {
        Require(file.size() >= kDosHeaderSize && file.substr(0, 2) == "MZ", "not a program (no MZ header)", fileaccess::ErrorKind::Signature);
        Program p;
        p.neOffset = U32(file, kDosNeOffset);
        Require(p.neOffset >= kDosHeaderSize && p.neOffset + 2 <= file.size(), "a DOS program, not a 16-bit Windows program", fileaccess::ErrorKind::Signature);
        const std::string_view signature = file.substr(p.neOffset, 2);
        Require(signature != "PE", "a 32-bit or 64-bit program (PE), not a 16-bit one", fileaccess::ErrorKind::Signature);
        Require(signature == "NE", "a DOS program, not a 16-bit Windows program", fileaccess::ErrorKind::Signature);
        Require(p.neOffset + kNeHeaderSize <= file.size(), "the NE header is truncated");
        p.segmentShift = U16(file, p.neOffset + kAlignmentShift);
        std::uint64_t end = p.neOffset + kNeHeaderSize;
        for (std::size_t field : {kEntryTable, kSegmentTable, kResourceTable, kResidentNames, kModuleReferences, kImportedNames}) {
            const std::uint16_t relative = U16(file, p.neOffset + field);
            Require(relative >= kNeHeaderSize, "a table of the NE header lies inside the header itself");
            end = std::max<std::uint64_t>(end, p.neOffset + relative);
        }
        end = std::max<std::uint64_t>(end, p.neOffset + U16(file, p.neOffset + kEntryTable) + U16(file, p.neOffset + kEntryTableSize));
        Require(end <= file.size(), "the NE header's tables run off the end of the file");
        ReadSegments(file, p);
        ReadResources(file, p);
        p.headerEnd = end;
        for (const Segment& s : p.segments) p.headerEnd = std::max<std::uint64_t>(p.headerEnd, s.entryAt + kSegmentEntrySize);
        for (const Resource& r : p.resources) p.headerEnd = std::max<std::uint64_t>(p.headerEnd, r.entryAt + kResourceEntrySize);
        if (p.resourceTableAt != 0) {
            const std::size_t namesEnd = ResourceNamesEnd(file, p.resourceTypesEnd);
            // Packing rewrites the segment entries; were they also resource names, the
            // rewritten program would read other names and another header end.
            if (!p.segments.empty()) {
                const std::size_t segmentsAt = p.segments.front().entryAt, segmentsEnd = p.segments.back().entryAt + kSegmentEntrySize;
                Require(namesEnd <= segmentsAt || p.resourceTableAt >= segmentsEnd, "the segment table and the resource table overlap");
            }
            p.headerEnd = std::max<std::uint64_t>(p.headerEnd, namesEnd);
        }
        p.nonResidentOffset = U32(file, p.neOffset + kNonResidentNames);
        p.nonResidentSize = U16(file, p.neOffset + kNonResidentSize);
        if (p.nonResidentSize != 0) {
            Require(p.nonResidentOffset + p.nonResidentSize <= file.size(), "the non-resident name table lies beyond the end of the file");
            Require(!NamesOverRewrittenFields(p), "the non-resident name table overlaps the NE header or its tables");
        }
        CheckOverlaps(p);
        return p;
    } catch (const Failure& failure) {
        return failure.error;
    }
}

}  // namespace ne
