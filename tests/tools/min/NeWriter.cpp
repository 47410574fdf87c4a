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

std::string NeWriter::Build(const ProgramLayout& layout) {
    constexpr std::size_t ne = kDosHeaderSize;
    std::string file(ne, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    file[kDosNeOffset] = static_cast<char>(ne);
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

    // Tables in their usual order behind the header.
    std::string tables;
    const auto here = [&] { return static_cast<std::uint32_t>(kNeHeaderSize + tables.size()); };
    Put16(header, kSegmentTable, here());
    const std::size_t segmentTable = tables.size();
    tables.append(layout.segments.size() * kSegmentEntrySize, '\0');
    std::vector<std::size_t> nameInfo;
    if (!layout.resources.empty()) {
        Put16(header, kResourceTable, here());
        Append16(tables, layout.resourceShift);
        for (const ResourceLayout& r : layout.resources) {
            Append16(tables, r.type);
            Append16(tables, 1);
            Append16(tables, 0);
            Append16(tables, 0);
            nameInfo.push_back(tables.size());
            tables.append(kResourceEntrySize, '\0');
            Put16(tables, nameInfo.back() + 4, 0x0030);
            Put16(tables, nameInfo.back() + 6, r.id);
        }
        Append16(tables, 0);
        tables += '\0';  // no resource names
    }
    Put16(header, kResidentNames, here());
    if (layout.resources.empty()) Put16(header, kResourceTable, here());
    tables += NameTable(layout.moduleName);
    Put16(header, kModuleReferences, here());
    Put16(header, kImportedNames, here());
    tables += '\0';
    Put16(header, kEntryTable, here());
    Put16(header, kEntryTableSize, 2);
    tables.append(2, '\0');
    const std::string nonResident = NameTable(layout.description);
    Put16(header, kNonResidentSize, static_cast<std::uint32_t>(nonResident.size()));

    file += header;
    file += tables;
    const auto putNonResident = [&] {
        Put16(file, ne + kNonResidentNames, static_cast<std::uint32_t>(file.size() & 0xFFFF));
        Put16(file, ne + kNonResidentNames + 2, static_cast<std::uint32_t>(file.size() >> 16));
        file += nonResident;
    };
    if (!layout.nonResidentAtEnd) putNonResident();

    for (std::size_t i = 0; i < layout.segments.size(); ++i) {
        const SegmentLayout& s = layout.segments[i];
        Align(file, layout.segmentShift);
        const std::size_t entry = ne + kNeHeaderSize + segmentTable + i * kSegmentEntrySize;
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
    for (std::size_t i = 0; i < layout.resources.size(); ++i) {
        Align(file, layout.resourceShift);
        const std::size_t unit = std::size_t{1} << layout.resourceShift;
        const std::size_t at = ne + 0x40 + nameInfo[i];
        Put16(file, at, static_cast<std::uint32_t>(file.size() >> layout.resourceShift));
        Put16(file, at + 2, static_cast<std::uint32_t>((layout.resources[i].data.size() + unit - 1) / unit));
        file += layout.resources[i].data;
        Align(file, layout.resourceShift);
    }
    if (layout.nonResidentAtEnd) putNonResident();
    file += layout.appended;
    return file;
}

}  // namespace ne::test
