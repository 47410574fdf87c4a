// The NE program's layout from the headers byteformat reads, with the checks packing needs.
#include "NeFile.h"

#include <algorithm>
#include <optional>

#include "byteformat/ByteReader.h"
#include "byteformat/ExeHeaders.h"

namespace ne {
namespace {

// Thrown by Require and turned into the reader's error at ReadProgram; it never leaves this file.
struct Failure {
    fileaccess::Error error;
};

void Require(bool condition, const char* message, fileaccess::ErrorKind kind = fileaccess::ErrorKind::Format) {
    if (!condition) throw Failure{fileaccess::FormatError(message, kind)};
}

void ReadSegments(std::string_view file, const byteformat::NeHeader& header, Program& p) {
    const auto table = byteformat::ReadNeSegmentTable(file, header);
    Require(table.has_value(), "the segment table runs off the end of the file");
    const unsigned shift = header.SegmentShift();
    Require(shift < 32, "the segment alignment shift is too large");
    for (const byteformat::NeSegmentEntry& entry : *table) {
        Segment s;
        s.entryAt = entry.at;
        s.flags = entry.flags;
        if (entry.sector != 0) {
            s.offset = static_cast<std::uint64_t>(entry.sector) << shift;
            s.size = entry.length == 0 ? 0x10000 : entry.length;
            Require(s.offset + s.size <= file.size(), "a segment lies beyond the end of the file");
            if (s.flags & kRelocInfo) {
                const std::uint64_t at = s.offset + s.size;
                Require(at + 2 <= file.size(), "a segment's relocation records lie beyond the end of the file");
                s.relocSize = 2 + 8u * byteformat::ReadU16(file, static_cast<std::size_t>(at));
                Require(at + s.relocSize <= file.size(),
                        "a segment's relocation records lie beyond the end of the file");
            }
        }
        p.segments.push_back(s);
    }
}

// The reader stops at the table's first fault; the resources before it are checked first, so
// the fault named is the first one in the file.
void ReadResources(std::string_view file, const byteformat::NeHeader& header, Program& p) {
    if (!header.HasResourceTable()) return;
    const byteformat::NeResourceTable table = byteformat::ReadNeResourceTable(file, header);
    p.resourceTableAt = table.at;
    Require(table.hasShift, "the resource table runs off the end of the file");
    p.resourceShift = table.shift;
    Require(p.resourceShift < 32, "the resource alignment shift is too large");
    for (const byteformat::NeResourceEntry& entry : table.entries) {
        Resource r;
        r.entryAt = entry.at;
        r.typeId = entry.typeId;
        r.offset = static_cast<std::uint64_t>(entry.offset) << p.resourceShift;
        r.size = static_cast<std::uint64_t>(entry.length) << p.resourceShift;
        r.id = entry.id;
        Require(r.offset + r.size <= file.size() ||
                    (r.offset < file.size() && r.offset + r.size - file.size() < (1ull << p.resourceShift)),
                "a resource lies beyond the end of the file");
        p.resources.push_back(r);
    }
    Require(table.fault != byteformat::NeResourceTable::TooMany, "too many resources");
    Require(table.fault != byteformat::NeResourceTable::RunsOff, "the resource table runs off the end of the file");
    p.resourceTypesEnd = table.typesEnd;
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
    if (!p.segments.empty() && overlaps(p.segments.front().entryAt, p.segments.back().entryAt + kSegmentEntrySize))
        return true;
    return p.resourceTableAt != 0 && overlaps(p.resourceTableAt, p.resourceTypesEnd);
}

}  // namespace

fileaccess::Result<Program> ReadProgram(std::string_view file) {
    try {
        const byteformat::MzHeader mz = byteformat::ReadMzHeader(file);
        Require(mz.kind != byteformat::ExeKind::NotMz, "not a program (no MZ header)",
                fileaccess::ErrorKind::Signature);
        Require(mz.kind != byteformat::ExeKind::Pe, "a 32-bit or 64-bit program (PE), not a 16-bit one",
                fileaccess::ErrorKind::Signature);
        Require(mz.kind == byteformat::ExeKind::Ne, "a DOS program, not a 16-bit Windows program",
                fileaccess::ErrorKind::Signature);
        const std::optional<byteformat::NeHeader> header = byteformat::ReadNeHeader(file, mz.newHeaderAt);
        Require(header.has_value(), "the NE header is truncated");
        Program p;
        p.neOffset = header->at;
        p.segmentShift = header->alignmentShift;
        std::uint64_t end = p.neOffset + kNeHeaderSize;
        for (const std::uint16_t relative : {header->entryTable, header->segmentTable, header->resourceTable,
                                             header->residentNames, header->moduleReferences, header->importedNames}) {
            Require(relative >= kNeHeaderSize, "a table of the NE header lies inside the header itself");
            end = std::max<std::uint64_t>(end, p.neOffset + relative);
        }
        end = std::max<std::uint64_t>(end, p.neOffset + header->entryTable + header->entryTableSize);
        Require(end <= file.size(), "the NE header's tables run off the end of the file");
        ReadSegments(file, *header, p);
        ReadResources(file, *header, p);
        p.headerEnd = end;
        for (const Segment& s : p.segments)
            p.headerEnd = std::max<std::uint64_t>(p.headerEnd, s.entryAt + kSegmentEntrySize);
        for (const Resource& r : p.resources)
            p.headerEnd = std::max<std::uint64_t>(p.headerEnd, r.entryAt + kResourceEntrySize);
        if (p.resourceTableAt != 0) {
            const std::size_t namesEnd = ResourceNamesEnd(file, p.resourceTypesEnd);
            // Packing rewrites the segment entries; were they also resource names, the
            // rewritten program would read other names and another header end.
            if (!p.segments.empty()) {
                const std::size_t segmentsAt = p.segments.front().entryAt,
                                  segmentsEnd = p.segments.back().entryAt + kSegmentEntrySize;
                Require(namesEnd <= segmentsAt || p.resourceTableAt >= segmentsEnd,
                        "the segment table and the resource table overlap");
            }
            p.headerEnd = std::max<std::uint64_t>(p.headerEnd, namesEnd);
        }
        p.nonResidentOffset = header->nonResidentNames;
        p.nonResidentSize = header->nonResidentSize;
        if (p.nonResidentSize != 0) {
            Require(p.nonResidentOffset + p.nonResidentSize <= file.size(),
                    "the non-resident name table lies beyond the end of the file");
            Require(!NamesOverRewrittenFields(p), "the non-resident name table overlaps the NE header or its tables");
        }
        CheckOverlaps(p);
        return p;
    } catch (const Failure& failure) {
        return failure.error;
    }
}

}  // namespace ne
