// Reads the layout of a 16-bit NE program: where its header tables, segments (with their
// relocation records), resources and non-resident names lie in the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "NeHeader.h"
#include "fileaccess/Result.h"

namespace ne {

struct Segment {
    std::size_t entryAt = 0;  // file offset of its entry in the segment table
    std::uint16_t flags = 0;
    std::uint64_t offset = 0;     // file offset of its data; 0 when it has none in the file
    std::uint32_t size = 0;       // bytes of data in the file
    std::uint32_t relocSize = 0;  // bytes of relocation records after the data (count word included)
};

struct Resource {
    std::size_t entryAt = 0;  // file offset of its NAMEINFO record
    std::uint16_t typeId = 0;
    std::uint16_t id = 0;
    std::uint64_t offset = 0;  // file offset of its data
    std::uint64_t size = 0;    // bytes: its length in alignment units
};

struct Program {
    std::size_t neOffset = 0;
    std::uint16_t segmentShift = 0;  // as stored (0 means 9)
    std::uint16_t resourceShift = 0;
    std::size_t resourceTableAt = 0;   // file offset of the resource table, 0 without one
    std::size_t resourceTypesEnd = 0;  // just after the type records' terminating zero
    std::vector<Segment> segments;
    std::vector<Resource> resources;
    std::uint64_t nonResidentOffset = 0;
    std::uint32_t nonResidentSize = 0;
    std::uint64_t headerEnd = 0;  // end of the stub, the NE header and the tables inside it
};

// The program's layout, or an error saying why the bytes are no well-formed NE program
// (Signature: no NE program at all; Format: a damaged one).
fileaccess::Result<Program> ReadProgram(std::string_view file);

}  // namespace ne
