// Builds 16-bit NE programs for tests: segments with relocation records, resources, resident
// and non-resident name tables, data appended after the program, at a chosen alignment.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ne::test {

struct SegmentLayout {
    std::string data;
    int relocations = 0;  // records written after the data
};

struct ResourceLayout {
    std::uint16_t type;  // with 0x8000 for numbered types
    std::uint16_t id;    // with 0x8000 for numbered names
    std::string data;
};

struct ProgramLayout {
    std::vector<SegmentLayout> segments;
    std::vector<ResourceLayout> resources;
    unsigned segmentShift = 9;
    unsigned resourceShift = 4;
    std::string moduleName = "DEMO";
    std::string description = "A test program";  // the non-resident name table's first name
    bool nonResidentAtEnd = false;               // else right after the header tables
    std::string appended;
};

class NeWriter {
public:
    static std::string Build(const ProgramLayout& layout);
};

// Segment data that differs per segment, so misplaced bytes are noticed.
std::string Pattern(std::size_t size, unsigned seed);

}  // namespace ne::test
