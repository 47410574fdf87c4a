// Writes the NE programs that seed the restallow-min fuzz target into the folder it is given
// (tests/fuzz/make_seeds.py runs it): well-formed programs that restallow-min packs, in the shapes
// its reader has to handle, each small enough for the fuzzer's input limit.
#include <cstdio>
#include <fstream>
#include <string>

#include "NeWriter.h"

namespace {

using ne::test::NeWriter;
using ne::test::Pattern;
using ne::test::ProgramLayout;

ProgramLayout Typical() {
    ProgramLayout layout;
    layout.segments = {{Pattern(300, 1), 3}, {Pattern(120, 2), 0}, {Pattern(77, 3), 1}};
    layout.resources = {{0x8003, 0x8001, Pattern(296, 10)},  // an icon image
                        {0x800E, 0x8001, Pattern(20, 11)},   // its group
                        {0x8006, 0x8002, Pattern(33, 12)},   // a string block
                        {0x800A, 0x8007, Pattern(100, 13)}};
    return layout;
}

void Write(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: ne_seed_writer FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    Write(folder, "segments-and-resources.exe", NeWriter::Build(Typical()));

    ProgramLayout atEnd = Typical();
    atEnd.nonResidentAtEnd = true;
    atEnd.appended = "OVERLAY DATA";
    Write(folder, "names-at-end-and-overlay.exe", NeWriter::Build(atEnd));

    // The file ends inside the last resource's last unit, as linkers leave it.
    ProgramLayout cut = Typical();
    cut.resources.back().data = Pattern(90, 14);
    std::string cutBytes = NeWriter::Build(cut);
    cutBytes.resize(cutBytes.size() - 6);
    Write(folder, "last-resource-cut-short.exe", cutBytes);

    ProgramLayout packed = Typical();
    packed.segmentShift = 1;
    packed.resourceShift = 1;
    Write(folder, "already-packed.exe", NeWriter::Build(packed));

    ProgramLayout wide = Typical();
    wide.segmentShift = 4;
    wide.resourceShift = 9;
    Write(folder, "sector-aligned-resources.exe", NeWriter::Build(wide));

    ProgramLayout bare;
    bare.segments = {{Pattern(64, 20), 0}};
    Write(folder, "one-segment.exe", NeWriter::Build(bare));

    ProgramLayout many;
    many.segments = {{Pattern(40, 30), 2}};
    many.resourceShift = 2;
    for (unsigned i = 0; i < 24; ++i)
        many.resources.push_back({static_cast<std::uint16_t>(0x8001 + i % 5), static_cast<std::uint16_t>(0x8001 + i),
                                  Pattern(5 + 3 * i, 40 + i)});
    Write(folder, "many-resources.exe", NeWriter::Build(many));
    return 0;
}
