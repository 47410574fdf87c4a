// MZ, PE and NE headers: the kind of program, headers and tables cut short, and real NE files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "byteformat/ByteWriter.h"
#include "byteformat/ExeHeaders.h"
#include "fileaccess/InputFile.h"

namespace byteformat {
namespace {

constexpr std::size_t kNe = 0x40;  // where the test programs keep their NE header

// A DOS stub whose new-header offset is `next`, followed by `rest`.
std::string Stub(std::uint32_t next, const std::string& rest = {}) {
    std::string file(ne::kDosHeaderSize, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    PatchU32(file, ne::kDosNeOffset, next);
    return file + rest;
}

// An NE program: a header with three segment entries at 0x40 and a resource table at 0x58 of
// two types (two icons, one version), then its names.
std::string NeProgram() {
    std::string header(ne::kNeHeaderSize, '\0');
    header[0] = 'N';
    header[1] = 'E';
    PatchU16(header, ne::kSegmentCount, 3);
    PatchU16(header, ne::kSegmentTable, 0x40);
    PatchU16(header, ne::kResourceTable, 0x58);
    PatchU16(header, ne::kResidentNames, 0x90);
    PatchU16(header, ne::kAlignmentShift, 4);
    header[ne::kTargetOs] = 2;
    std::string tables;
    for (std::uint16_t i = 1; i <= 3; ++i) {
        for (std::uint16_t word : {std::uint16_t(i * 0x10), std::uint16_t(0x20),
                                   std::uint16_t(i == 2 ? ne::kRelocInfo : 0), std::uint16_t(0)}) {
            PutU16(tables, word);
        }
    }
    PutU16(tables, 4);  // resource alignment shift
    for (const auto& [type, count] : {std::pair<std::uint16_t, std::uint16_t>{0x8003, 2}, {0x8010, 1}}) {
        PutU16(tables, type);
        PutU16(tables, count);
        PutU32(tables, 0);
        for (std::uint16_t i = 0; i < count; ++i) {
            for (std::uint16_t word : {std::uint16_t(0x40 + i), std::uint16_t(2), std::uint16_t(0x30),
                                       std::uint16_t(0x8001 + i), std::uint16_t(0), std::uint16_t(0)}) {
                PutU16(tables, word);
            }
        }
    }
    PutU16(tables, 0);
    tables += '\0';
    return Stub(kNe, header + tables);
}

TEST(MzHeader, TellsTheKindOfProgramByItsNewHeader) {
    EXPECT_EQ(ReadMzHeader("").kind, ExeKind::NotMz);
    EXPECT_EQ(ReadMzHeader("MZ").kind, ExeKind::NotMz);
    EXPECT_EQ(ReadMzHeader(Stub(0x40).substr(0, 0x3F)).kind, ExeKind::NotMz) << "shorter than the DOS header";
    std::string zm = Stub(0x40, "NE");
    zm[0] = 'Z';
    EXPECT_EQ(ReadMzHeader(zm).kind, ExeKind::NotMz);

    EXPECT_EQ(ReadMzHeader(Stub(0x20, "NE")).kind, ExeKind::Dos) << "a new header inside the stub";
    EXPECT_EQ(ReadMzHeader(Stub(0x41, "NE")).kind, ExeKind::Dos) << "one byte of it in the file";
    EXPECT_EQ(ReadMzHeader(Stub(0xFFFFFFFF, "NE")).kind, ExeKind::Dos);
    EXPECT_EQ(ReadMzHeader(Stub(0x40, "LE")).kind, ExeKind::Dos);
    EXPECT_EQ(ReadMzHeader(Stub(0x40)).kind, ExeKind::Dos);

    const MzHeader ne = ReadMzHeader(Stub(0x42, "..NE"));
    EXPECT_EQ(ne.kind, ExeKind::Ne);
    EXPECT_EQ(ne.newHeaderAt, 0x42u);
    EXPECT_EQ(ReadMzHeader(Stub(0x40, "PE")).kind, ExeKind::Pe);
}

TEST(PeHeader, GivesTheMachineOnlyBehindAWholeSignature) {
    EXPECT_EQ(ReadPeMachine(Stub(0x40, std::string("PE\0\0\x64\x86", 6)), 0x40), 0x8664u);
    EXPECT_FALSE(ReadPeMachine(Stub(0x40, std::string("PE\0\0\x64", 5)), 0x40)) << "the machine word cut short";
    EXPECT_FALSE(ReadPeMachine(Stub(0x40, std::string("PE\0\1\x4C\x01", 6)), 0x40));
    EXPECT_FALSE(ReadPeMachine("PE", 0xFFFFFFFF));
}

TEST(NeHeader, IsReadWholeOrNotAtAll) {
    const std::string file = NeProgram();
    EXPECT_FALSE(ReadNeHeader(file.substr(0, kNe + ne::kNeHeaderSize - 1), kNe)) << "a truncated NE header";
    const auto header = ReadNeHeader(file.substr(0, kNe + ne::kNeHeaderSize), kNe);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->at, kNe);
    EXPECT_EQ(header->segmentCount, 3u);
    EXPECT_EQ(header->segmentTable, 0x40u);
    EXPECT_EQ(header->SegmentShift(), 4u);
    EXPECT_EQ(header->targetOs, 2u);
    EXPECT_TRUE(header->HasResourceTable());
    NeHeader none = *header;
    none.resourceTable = none.residentNames;
    EXPECT_FALSE(none.HasResourceTable()) << "the resident names' offset stands for no table";
    none.resourceTable = 0;
    EXPECT_FALSE(none.HasResourceTable());
    none.alignmentShift = 0;
    EXPECT_EQ(none.SegmentShift(), 9u) << "0 means 512-byte sectors";
    EXPECT_FALSE(ReadNeHeader(file, 0xFFFFFFFFFFFFFFF0ull)) << "no overflow past the end";

    EXPECT_FALSE(ReadNeTargetOs(file.substr(0, kNe + ne::kTargetOs), kNe));
    EXPECT_EQ(ReadNeTargetOs(file.substr(0, kNe + ne::kTargetOs + 1), kNe), 2u)
        << "the program test needs no whole header";
}

TEST(NeSegmentTable, GivesEveryEntryOrNoneWhenTheTableIsCutShort) {
    const std::string file = NeProgram();
    const NeHeader header = *ReadNeHeader(file, kNe);
    const std::size_t tableEnd = kNe + 0x40 + 3 * ne::kSegmentEntrySize;
    EXPECT_FALSE(ReadNeSegmentTable(file.substr(0, tableEnd - 1), header));
    const auto segments = ReadNeSegmentTable(file.substr(0, tableEnd), header);
    ASSERT_TRUE(segments);
    ASSERT_EQ(segments->size(), 3u);
    EXPECT_EQ((*segments)[1].at, kNe + 0x40 + ne::kSegmentEntrySize);
    EXPECT_EQ((*segments)[1].sector, 0x20u);
    EXPECT_EQ((*segments)[1].length, 0x20u);
    EXPECT_EQ((*segments)[1].flags, ne::kRelocInfo);
    NeHeader empty = header;
    empty.segmentCount = 0;
    empty.segmentTable = static_cast<std::uint16_t>(file.size() - kNe);
    const auto none = ReadNeSegmentTable(file, empty);
    ASSERT_TRUE(none) << "an empty table at the very end";
    EXPECT_TRUE(none->empty());
    ++empty.segmentTable;
    EXPECT_FALSE(ReadNeSegmentTable(file, empty)) << "even an empty table must start inside the file";
}

TEST(NeResourceTable, WalksEveryTypeToTheTerminatingZero) {
    const std::string file = NeProgram();
    const NeResourceTable table = ReadNeResourceTable(file, *ReadNeHeader(file, kNe));
    EXPECT_EQ(table.fault, NeResourceTable::None);
    EXPECT_EQ(table.at, kNe + 0x58);
    EXPECT_EQ(table.shift, 4u);
    ASSERT_EQ(table.entries.size(), 3u);
    EXPECT_EQ(table.entries[0].typeId, 0x8003u);
    EXPECT_EQ(table.entries[1].id, 0x8002u);
    EXPECT_EQ(table.entries[1].offset, 0x41u);
    EXPECT_EQ(table.entries[2].typeId, 0x8010u);
    EXPECT_EQ(table.entries[2].at, table.at + 2 + 8 + 2 * 12 + 8);
    EXPECT_EQ(table.typesEnd, table.at + 2 + 2 * 8 + 3 * 12 + 2);
}

TEST(NeResourceTable, CutShortKeepsTheTypesBeforeTheCut) {
    const std::string file = NeProgram();
    const NeHeader header = *ReadNeHeader(file, kNe);
    const std::size_t at = kNe + 0x58, secondType = at + 2 + 8 + 2 * 12;
    const auto cut = [&](std::size_t size) { return ReadNeResourceTable(file.substr(0, size), header); };
    const NeResourceTable noShift = cut(at + 1);
    EXPECT_EQ(noShift.fault, NeResourceTable::RunsOff);
    EXPECT_FALSE(noShift.hasShift);
    for (std::size_t size : {at + 2, at + 9, at + 2 + 8 + 2 * 12 - 1}) {
        const NeResourceTable table = cut(size);
        EXPECT_EQ(table.fault, NeResourceTable::RunsOff) << size;
        EXPECT_TRUE(table.entries.empty()) << "no entry of a type whose records are cut short, at " << size;
    }
    for (std::size_t size : {secondType, secondType + 7, secondType + 8 + 11, secondType + 8 + 12 + 1}) {
        const NeResourceTable table = cut(size);
        EXPECT_EQ(table.fault, NeResourceTable::RunsOff) << size;
        EXPECT_EQ(table.entries.size(), size < secondType + 8 + 12 ? 2u : 3u) << size;
        EXPECT_EQ(table.typesEnd, 0u);
    }
}

TEST(NeResourceTable, StopsAfterTheTypeThatPassesSixtyFiveThousandResources) {
    std::string file = NeProgram().substr(0, kNe + 0x58 + 2);
    for (std::uint16_t count : {std::uint16_t(0xFFFF), std::uint16_t(1), std::uint16_t(1)}) {
        PutU16(file, 0x8001);
        PutU16(file, count);
        PutU32(file, 0);
        file.append(std::size_t{count} * ne::kResourceEntrySize, '\0');
    }
    PutU16(file, 0);
    const NeResourceTable table = ReadNeResourceTable(file, *ReadNeHeader(file, kNe));
    EXPECT_EQ(table.fault, NeResourceTable::TooMany);
    EXPECT_EQ(table.entries.size(), 0x10000u) << "the type at fault is read, the one after it is not";
}

// The NE programs of restallow-min's tests, each made by hand around one fault of its own: the
// headers and tables read, and every record lies inside the file.
TEST(NeFiles, TheTestProgramsReadWithEveryRecordInsideTheFile) {
    int read = 0;
    for (const auto& item : std::filesystem::directory_iterator(RESTALLOW_TESTS_DIR "/tools/min/data")) {
        const auto bytes = fileaccess::ReadFile(item.path().string(), fileaccess::kMiB);
        ASSERT_TRUE(bytes) << item.path();
        const std::string& file = *bytes;
        const MzHeader mz = ReadMzHeader(file);
        ASSERT_EQ(mz.kind, ExeKind::Ne) << item.path();
        const auto header = ReadNeHeader(file, mz.newHeaderAt);
        ASSERT_TRUE(header) << item.path();
        const auto segments = ReadNeSegmentTable(file, *header);
        ASSERT_TRUE(segments) << item.path();
        for (const NeSegmentEntry& s : *segments) EXPECT_LE(s.at + ne::kSegmentEntrySize, file.size()) << item.path();
        if (header->HasResourceTable()) {
            const NeResourceTable table = ReadNeResourceTable(file, *header);
            EXPECT_EQ(table.fault, NeResourceTable::None) << item.path();
            EXPECT_GT(table.typesEnd, table.at) << item.path();
            EXPECT_LE(table.typesEnd, file.size()) << item.path();
            for (const NeResourceEntry& r : table.entries)
                EXPECT_LE(r.at + ne::kResourceEntrySize, table.typesEnd) << item.path();
        }
        ++read;
    }
    EXPECT_GE(read, 4);
}

}  // namespace
}  // namespace byteformat
