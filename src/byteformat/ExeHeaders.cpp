// MZ, PE and NE header reading; every offset is checked against the file before it is read.
#include "byteformat/ExeHeaders.h"

#include "byteformat/ByteReader.h"

namespace byteformat {

MzHeader ReadMzHeader(std::string_view file) {
    if (file.size() < ne::kDosHeaderSize || file.substr(0, 2) != "MZ") return {};
    const std::uint32_t next = ReadU32(file, ne::kDosNeOffset);
    // A program whose new header lies in the stub or past the end is a DOS program.
    if (next < ne::kDosHeaderSize || !Fits(file.size(), next, 2)) return {ExeKind::Dos, 0};
    const std::string_view signature = file.substr(next, 2);
    if (signature == "NE") return {ExeKind::Ne, next};
    if (signature == "PE") return {ExeKind::Pe, next};
    return {ExeKind::Dos, 0};
}

std::optional<std::uint16_t> ReadPeMachine(std::string_view file, std::size_t at) {
    if (!Fits(file.size(), at, 6) || file.substr(at, 4) != std::string_view("PE\0\0", 4)) return std::nullopt;
    return ReadU16(file, at + 4);
}

std::optional<std::uint8_t> ReadNeTargetOs(std::string_view file, std::size_t at) {
    if (!Fits(file.size(), at, ne::kTargetOs + 1)) return std::nullopt;
    return ReadU8(file, at + ne::kTargetOs);
}

std::optional<NeHeader> ReadNeHeader(std::string_view file, std::size_t at) {
    if (!Fits(file.size(), at, ne::kNeHeaderSize)) return std::nullopt;
    const std::string_view b = file.substr(at, ne::kNeHeaderSize);
    NeHeader h;
    h.at = at;
    h.entryTable = ReadU16(b, ne::kEntryTable);
    h.entryTableSize = ReadU16(b, ne::kEntryTableSize);
    h.segmentCount = ReadU16(b, ne::kSegmentCount);
    h.nonResidentSize = ReadU16(b, ne::kNonResidentSize);
    h.segmentTable = ReadU16(b, ne::kSegmentTable);
    h.resourceTable = ReadU16(b, ne::kResourceTable);
    h.residentNames = ReadU16(b, ne::kResidentNames);
    h.moduleReferences = ReadU16(b, ne::kModuleReferences);
    h.importedNames = ReadU16(b, ne::kImportedNames);
    h.nonResidentNames = ReadU32(b, ne::kNonResidentNames);
    h.alignmentShift = ReadU16(b, ne::kAlignmentShift);
    h.targetOs = ReadU8(b, ne::kTargetOs);
    h.otherFlags = ReadU8(b, ne::kOtherFlags);
    h.gangLoadOffset = ReadU16(b, ne::kGangLoadOffset);
    h.gangLoadSize = ReadU16(b, ne::kGangLoadSize);
    return h;
}

std::optional<std::vector<NeSegmentEntry>> ReadNeSegmentTable(std::string_view file, const NeHeader& header) {
    const std::size_t table = header.at + header.segmentTable;
    if (!Fits(file.size(), table, std::size_t{header.segmentCount} * ne::kSegmentEntrySize)) return std::nullopt;
    std::vector<NeSegmentEntry> entries;
    ByteReader in(file);
    in.Seek(table);
    for (std::size_t i = 0; i < header.segmentCount; ++i) {
        NeSegmentEntry entry;
        entry.at = in.position();
        entry.sector = in.U16();
        entry.length = in.U16();
        entry.flags = in.U16();
        entry.minimumSize = in.U16();
        entries.push_back(entry);
    }
    return entries;
}

namespace {

enum class Step { More, Done, RunsOff, TooMany };

// One TYPEINFO record and its NAMEINFO records; Done at the terminating zero.
Step ReadResourceType(ByteReader& in, NeResourceTable& table) {
    if (!in.Has(2)) return Step::RunsOff;
    const std::uint16_t type = in.Peek16();
    if (type == 0) {
        in.Skip(2);
        table.typesEnd = in.position();
        return Step::Done;
    }
    if (!in.Has(ne::kResourceTypeSize)) return Step::RunsOff;
    in.Skip(2);
    const std::size_t count = in.U16();
    in.Skip(4);
    if (!in.Has(count * ne::kResourceEntrySize)) return Step::RunsOff;
    for (std::size_t i = 0; i < count; ++i) {
        NeResourceEntry entry;
        entry.at = in.position();
        entry.typeId = type;
        entry.offset = in.U16();
        entry.length = in.U16();
        entry.flags = in.U16();
        entry.id = in.U16();
        in.Skip(4);
        table.entries.push_back(entry);
    }
    return table.entries.size() > 0xFFFF ? Step::TooMany : Step::More;
}

}  // namespace

NeResourceTable ReadNeResourceTable(std::string_view file, const NeHeader& header) {
    NeResourceTable table;
    table.at = header.at + header.resourceTable;
    if (!Fits(file.size(), table.at, 2)) {
        table.fault = NeResourceTable::RunsOff;
        return table;
    }
    ByteReader in(file);
    in.Seek(table.at);
    table.shift = in.U16();
    table.hasShift = true;
    Step step = Step::More;
    while (step == Step::More) step = ReadResourceType(in, table);
    if (step != Step::Done) table.fault = step == Step::RunsOff ? NeResourceTable::RunsOff : NeResourceTable::TooMany;
    return table;
}

}  // namespace byteformat
