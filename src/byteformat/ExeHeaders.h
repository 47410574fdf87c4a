// The headers of MZ programs: the DOS stub and what its new-header offset points at, the PE
// machine word, and a 16-bit program's NE header with its segment and resource tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "byteformat/NeLayout.h"

namespace byteformat {

enum class ExeKind {
    NotMz,  // shorter than the DOS header, or no "MZ"
    Dos,    // no new header inside the file, or one of another kind
    Ne,     // "NE" at the new-header offset
    Pe,     // "PE" there (only two bytes are checked; see ReadPeMachine)
};

struct MzHeader {
    ExeKind kind = ExeKind::NotMz;
    std::size_t newHeaderAt = 0;  // file offset of the NE or PE header
};

MzHeader ReadMzHeader(std::string_view file);

// The machine word of a PE header at `at`; none when the file ends before it or the signature
// is not "PE\0\0".
std::optional<std::uint16_t> ReadPeMachine(std::string_view file, std::size_t at);

// The target operating system byte of an NE header at `at` (the least a program test needs);
// none when the file ends before it.
std::optional<std::uint8_t> ReadNeTargetOs(std::string_view file, std::size_t at);

// The fields of an NE header. Table offsets are relative to the header, as stored.
struct NeHeader {
    std::size_t at = 0;  // file offset of the header
    std::uint16_t entryTable = 0, entryTableSize = 0;
    std::uint16_t segmentCount = 0, nonResidentSize = 0;
    std::uint16_t segmentTable = 0, resourceTable = 0, residentNames = 0, moduleReferences = 0, importedNames = 0;
    std::uint32_t nonResidentNames = 0;  // file offset
    std::uint16_t alignmentShift = 0;    // as stored; 0 means 9
    std::uint8_t targetOs = 0, otherFlags = 0;
    std::uint16_t gangLoadOffset = 0, gangLoadSize = 0;

    unsigned SegmentShift() const { return alignmentShift == 0 ? 9u : alignmentShift; }
    // A program without resources stores 0 or the resident names' offset in the field.
    bool HasResourceTable() const { return resourceTable != 0 && resourceTable != residentNames; }
};

// The NE header at `at`; none when its 64 bytes do not all lie in the file.
std::optional<NeHeader> ReadNeHeader(std::string_view file, std::size_t at);

struct NeSegmentEntry {
    std::size_t at = 0;  // file offset of the entry
    std::uint16_t sector = 0, length = 0, flags = 0, minimumSize = 0;
};

// The segment table's entries; none when the table runs past the end of the file.
std::optional<std::vector<NeSegmentEntry>> ReadNeSegmentTable(std::string_view file, const NeHeader& header);

struct NeResourceEntry {
    std::size_t at = 0;  // file offset of its NAMEINFO record
    std::uint16_t typeId = 0;
    std::uint16_t offset = 0, length = 0;  // in alignment units
    std::uint16_t flags = 0, id = 0;
};

struct NeResourceTable {
    enum Fault {
        None,
        RunsOff,  // a record lies past the end of the file
        TooMany,  // more than 65535 resources
    };
    Fault fault = None;
    bool hasShift = false;     // the alignment word could be read
    std::uint16_t shift = 0;   // as stored
    std::size_t at = 0;        // file offset of the table
    std::size_t typesEnd = 0;  // just after the type records' terminating zero; 0 on a fault
    // The resources in file order. On a fault: those of the types before the type at fault,
    // and for TooMany also those of that type.
    std::vector<NeResourceEntry> entries;
};

// The resource table of a header that has one (HasResourceTable). The walk stops at the first
// fault, so a caller can check the entries read in file order before it reports the fault.
NeResourceTable ReadNeResourceTable(std::string_view file, const NeHeader& header);

}  // namespace byteformat
