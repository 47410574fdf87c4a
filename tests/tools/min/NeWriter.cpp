// The test NE writer.
#include "NeWriter.h"

#include "NeHeader.h"

namespace ne::test {
namespace {

void Put16(std::string& out, std::size_t at, std::uint32_t value) {
    if (out.size() < at + 2) out.resize(at + 2, '\0');
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void Append16(std::string& out, std::uint32_t value) { Put16(out, out.size(), value); }

void Align(std::string& out, unsigned shift) {
    const std::size_t unit = std::size_t{1} << shift;
    out.resize((out.size() + unit - 1) / unit * unit, '\0');
}

std::string NameTable(const std::string& first) {
    std::string table;
    table += static_cast<char>(first.size());
    table += first;
    Append16(table, 0);
    table += '\0';
    return table;
}

}  // namespace

std::string Pattern(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + seed * 13 + i / 5) & 0xFF);
    return bytes;
}

namespace {

constexpr std::size_t kNe = kDosHeaderSize;  // the NE header right behind the DOS header

struct Tables {
    std::string bytes;
    std::size_t segmentTable = 0;       // offsets into bytes
    std::vector<std::size_t> nameInfo;  // one per resource
};

std::string HeaderFor(const ProgramLayout& layout) {
    std::string header(kNeHeaderSize, '\0');
    header[0] = 'N';
    header[1] = 'E';
    Put16(header, kSegmentCount, static_cast<std::uint32_t>(layout.segments.size()));
    Put16(header, kAlignmentShift, layout.segmentShift);
    header[0x36] = 2;  // Windows
    header[kOtherFlags] = kHasGangLoadArea;
    Put16(header, kGangLoadOffset, 1);
    Put16(header, kGangLoadSize, 1);
    Put16(header, 0x3E, 0x030A);
    return header;
}

// The tables in their usual order behind the header, their offsets written into it.
Tables TablesFor(const ProgramLayout& layout, std::string& header) {
    Tables tables;
    std::string& bytes = tables.bytes;
    const auto here = [&] { return static_cast<std::uint32_t>(kNeHeaderSize + bytes.size()); };
    Put16(header, kSegmentTable, here());
    bytes.append(layout.segments.size() * kSegmentEntrySize, '\0');
    if (!layout.resources.empty()) {
        Put16(header, kResourceTable, here());
        Append16(bytes, layout.resourceShift);
        for (const ResourceLayout& r : layout.resources) {
            Append16(bytes, r.type);
            Append16(bytes, 1);
            Append16(bytes, 0);
            Append16(bytes, 0);
            tables.nameInfo.push_back(bytes.size());
            bytes.append(kResourceEntrySize, '\0');
            Put16(bytes, tables.nameInfo.back() + 4, 0x0030);
            Put16(bytes, tables.nameInfo.back() + 6, r.id);
        }
        Append16(bytes, 0);
        bytes += '\0';  // no resource names
    }
    Put16(header, kResidentNames, here());
    if (layout.resources.empty()) Put16(header, kResourceTable, here());
    bytes += NameTable(layout.moduleName);
    Put16(header, kModuleReferences, here());
    Put16(header, kImportedNames, here());
    bytes += '\0';
    Put16(header, kEntryTable, here());
    Put16(header, kEntryTableSize, 2);
    bytes.append(2, '\0');
    Put16(header, kNonResidentSize, static_cast<std::uint32_t>(NameTable(layout.description).size()));
    return tables;
}

void AppendSegments(std::string& file, const ProgramLayout& layout, std::size_t segmentTable) {
    for (std::size_t i = 0; i < layout.segments.size(); ++i) {
        const SegmentLayout& s = layout.segments[i];
        Align(file, layout.segmentShift);
        const std::size_t entry = kNe + kNeHeaderSize + segmentTable + i * kSegmentEntrySize;
        Put16(file, entry, static_cast<std::uint32_t>(file.size() >> layout.segmentShift));
        Put16(file, entry + 2, static_cast<std::uint32_t>(s.data.size() & 0xFFFF));
        Put16(file, entry + 4, s.relocations > 0 ? kRelocInfo : 0);
        Put16(file, entry + 6, static_cast<std::uint32_t>(s.data.size() & 0xFFFF));
        file += s.data;
        if (s.relocations > 0) {
            Append16(file, static_cast<std::uint32_t>(s.relocations));
            file += Pattern(8 * static_cast<std::size_t>(s.relocations), static_cast<unsigned>(i + 100));
        }
    }
}

void AppendResources(std::string& file, const ProgramLayout& layout, const std::vector<std::size_t>& nameInfo) {
    const std::size_t unit = std::size_t{1} << layout.resourceShift;
    for (std::size_t i = 0; i < layout.resources.size(); ++i) {
        Align(file, layout.resourceShift);
        const std::size_t at = kNe + kNeHeaderSize + nameInfo[i];
        Put16(file, at, static_cast<std::uint32_t>(file.size() >> layout.resourceShift));
        Put16(file, at + 2, static_cast<std::uint32_t>((layout.resources[i].data.size() + unit - 1) / unit));
        file += layout.resources[i].data;
        Align(file, layout.resourceShift);
    }
}

}  // namespace

std::string NeWriter::Build(const ProgramLayout& layout) {
    std::string file(kNe, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    file[kDosNeOffset] = static_cast<char>(kNe);
    std::string header = HeaderFor(layout);
    const Tables tables = TablesFor(layout, header);
    file += header;
    file += tables.bytes;
    const auto putNonResident = [&] {
        Put16(file, kNe + kNonResidentNames, static_cast<std::uint32_t>(file.size() & 0xFFFF));
        Put16(file, kNe + kNonResidentNames + 2, static_cast<std::uint32_t>(file.size() >> 16));
        file += NameTable(layout.description);
    };
    if (!layout.nonResidentAtEnd) putNonResident();
    AppendSegments(file, layout, tables.segmentTable);
    AppendResources(file, layout, tables.nameInfo);
    if (layout.nonResidentAtEnd) putNonResident();
    file += layout.appended;
    return file;
}

}  // namespace ne::test
