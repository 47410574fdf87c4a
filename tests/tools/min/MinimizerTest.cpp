// restallow-min: packed programs keep every segment, relocation and resource byte; bad
// programs are refused with a clear message and no output.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "Minimizer.h"
#include "NeFile.h"
#include "NeWriter.h"
#include "PackedCheck.h"

namespace ne {
namespace {

using test::NeWriter;
using test::Pattern;
using test::ProgramLayout;

test::ProgramLayout Layout(int segments, bool resources, unsigned shift = 9) {
    ProgramLayout layout;
    layout.segmentShift = shift;
    for (int i = 0; i < segments; ++i) layout.segments.push_back({Pattern(100 + 37 * i, i), i % 3 == 0 ? 2 + i : 0});
    if (resources) {
        layout.resources = {{0x8003, 0x8001, Pattern(744, 50)},  // an icon image
                            {0x800E, 0x8001, Pattern(20, 51)},   // its group
                            {0x8006, 0x8002, Pattern(33, 52)},   // a string block
                            {0x800A, 0x8007, Pattern(1000, 53)}};
    }
    return layout;
}

Program Read(const std::string& file) {
    const fileaccess::Result<Program> read = ReadProgram(file);
    if (!read) ADD_FAILURE() << read.error().message;
    return read ? *read : Program{};
}

// Every segment with its relocations, every resource's own bytes and the non-resident names
// are the same in both files.
void ExpectSameContent(const std::string& before, const std::string& after, const ProgramLayout& layout) {
    const Program a = Read(before), b = Read(after);
    ASSERT_EQ(a.segments.size(), b.segments.size());
    for (std::size_t i = 0; i < a.segments.size(); ++i) {
        EXPECT_EQ(before.substr(a.segments[i].offset, a.segments[i].size + a.segments[i].relocSize),
                  after.substr(b.segments[i].offset, b.segments[i].size + b.segments[i].relocSize))
            << "segment " << i;
    }
    ASSERT_EQ(b.resources.size(), layout.resources.size());
    for (std::size_t i = 0; i < layout.resources.size(); ++i) {
        EXPECT_EQ(after.substr(b.resources[i].offset, layout.resources[i].data.size()), layout.resources[i].data)
            << "resource " << i;
        EXPECT_GE(b.resources[i].size, layout.resources[i].data.size());
    }
    EXPECT_EQ(before.substr(a.nonResidentOffset, a.nonResidentSize),
              after.substr(b.nonResidentOffset, b.nonResidentSize));
}

TEST(Minimizer, PackedProgramsKeepEveryByteAndShrinkWhenThereWasSlack) {
    for (int segments : {1, 2, 5, 20}) {
        for (bool resources : {false, true}) {
            for (bool nonResidentAtEnd : {false, true}) {
                SCOPED_TRACE(testing::Message() << segments << " segments, resources " << resources << ", names at end "
                                                << nonResidentAtEnd);
                ProgramLayout layout = Layout(segments, resources);
                layout.nonResidentAtEnd = nonResidentAtEnd;
                layout.appended = "OVERLAY DATA";
                const std::string before = NeWriter::Build(layout);
                const auto packed = Minimize(before);
                ASSERT_TRUE(packed) << packed.error().message;
                const std::string& after = *packed;
                EXPECT_LT(after.size(), before.size());
                ExpectSameContent(before, after, layout);
                EXPECT_EQ(after.substr(after.size() - layout.appended.size()), layout.appended);
                EXPECT_EQ(Read(after).segmentShift, 1);
                // Packing again changes nothing more.
                EXPECT_EQ(*Minimize(after), after);
            }
        }
    }
}

TEST(Minimizer, LargeProgramsGetTheSmallestShiftThatStillAddressesThem) {
    ProgramLayout layout = Layout(0, false);
    for (int i = 0; i < 4; ++i) layout.segments.push_back({Pattern(60000, i), 1});
    const std::string before = NeWriter::Build(layout);
    const auto packed = Minimize(before);
    ASSERT_TRUE(packed);
    const Program after = Read(*packed);
    EXPECT_EQ(after.segmentShift, 2);  // 240 KB need offsets in units of 4 bytes
    ExpectSameContent(before, *packed, layout);
}

TEST(Minimizer, RefusesWhatIsNoWellFormedNeProgram) {
    const std::string good = NeWriter::Build(Layout(3, true));
    std::string pe = good;
    pe[0x40 + 1] = 'E';
    pe[0x40] = 'P';
    std::string overlapping = good;
    const Program layout = Read(good);
    // The second segment starts inside the first.
    const std::size_t entry = layout.segments[1].entryAt;
    overlapping[entry] = overlapping[layout.segments[0].entryAt];
    std::string beyond = good;
    beyond[layout.segments[2].entryAt + 1] = 0x7F;
    std::string resourceTable = good;  // the first type announces more resources than the file holds
    resourceTable[layout.resourceTableAt + 4] = '\xFF';
    resourceTable[layout.resourceTableAt + 5] = '\xFF';
    using fileaccess::ErrorKind;
    const std::tuple<std::string, std::string, ErrorKind> cases[] = {
        {pe, "a 32-bit or 64-bit program (PE), not a 16-bit one", ErrorKind::Signature},
        {std::string("MZ") + std::string(0x80, '\0'), "a DOS program, not a 16-bit Windows program",
         ErrorKind::Signature},
        {good.substr(0, 0x40 + 0x20), "the NE header is truncated", ErrorKind::Format},
        {beyond, "a segment lies beyond the end of the file", ErrorKind::Format},
        {overlapping, "segments or resources overlap", ErrorKind::Format},
        {resourceTable, "the resource table runs off the end of the file", ErrorKind::Format},
        {"", "not a program (no MZ header)", ErrorKind::Signature},
    };
    for (const auto& [bytes, message, kind] : cases) {
        const auto result = Minimize(bytes);
        ASSERT_FALSE(result) << message;
        EXPECT_EQ(result.error().message, message);
        EXPECT_EQ(result.error().kind, kind) << message;
    }
}

// Inputs the fuzzer found, named after what they caught: each is refused, or packed into a
// program that reads back.
TEST(Minimizer, FuzzFindingsArePackedSoundlyOrRefused) {
    const std::filesystem::path data = RESTALLOW_MIN_DATA;
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto packed = Minimize(bytes);
        if (packed) {
            const auto before = ReadProgram(bytes);
            const auto after = ReadProgram(*packed);
            ASSERT_TRUE(before && after) << entry.path();
            ASSERT_EQ(before->segments.size(), after->segments.size()) << entry.path();
            for (std::size_t i = 0; i < before->segments.size(); ++i) {
                const Segment& a = before->segments[i];
                const Segment& b = after->segments[i];
                EXPECT_EQ(bytes.substr(a.offset, a.size + a.relocSize), packed->substr(b.offset, b.size + b.relocSize))
                    << entry.path();
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

// A program whose file ends 6 bytes into the padding of its last resource, with the non-resident
// names in the last bytes it holds (a linker may put them anywhere after the header).
std::string CutShortWithNamesInside() {
    ProgramLayout layout = Layout(3, true);
    layout.resources.back().data = Pattern(90, 54);
    std::string file = NeWriter::Build(layout);
    file.resize(file.size() - 6);
    const std::size_t field = kDosHeaderSize + kNonResidentNames;
    const std::uint32_t at = static_cast<std::uint32_t>(file.size() - 10);
    for (int i = 0; i < 4; ++i) file[field + i] = static_cast<char>((at >> (8 * i)) & 0xFF);
    file[kDosHeaderSize + kNonResidentSize] = 2;
    file[kDosHeaderSize + kNonResidentSize + 1] = 0;
    return file;
}

TEST(Minimizer, ALastResourceCutShortKeepsItsWholeSpaceSoNothingMovesIntoIt) {
    const std::string before = CutShortWithNamesInside();
    ASSERT_TRUE(ReadProgram(before)) << ReadProgram(before).error().message;
    const auto packed = Minimize(before);
    ASSERT_TRUE(packed) << packed.error().message;
    const fileaccess::Status checked = CheckPacked(before, *packed);
    EXPECT_TRUE(checked) << checked.error().message;
    const Program after = Read(*packed);
    ASSERT_EQ(after.resources.size(), 4u);
    const Resource& last = after.resources.back();
    EXPECT_EQ(packed->substr(last.offset, 90), Pattern(90, 54));
    EXPECT_GE(packed->size(), last.offset + last.size);  // its padding is in the file, as zeros
    EXPECT_EQ(packed->substr(after.nonResidentOffset, 2), before.substr(before.size() - 10, 2));
}

TEST(Minimizer, NamesStoredOverTheTablesThatPackingRewritesAreRefused) {
    std::string file = NeWriter::Build(Layout(3, true));
    const Program layout = Read(file);
    file[kDosHeaderSize + kNonResidentNames] = static_cast<char>(layout.resources[1].entryAt & 0xFF);
    file[kDosHeaderSize + kNonResidentNames + 1] = static_cast<char>(layout.resources[1].entryAt >> 8);
    const auto read = ReadProgram(file);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().message, "the non-resident name table overlaps the NE header or its tables");
}

// The check restallow-min makes before it writes: a packed program that does not read back, or
// reads back with other bytes, is told apart from the right one.
TEST(Minimizer, ThePackedCheckNamesWhatDiffers) {
    const std::string before = NeWriter::Build(Layout(3, true));
    const std::string packed = *Minimize(before);
    EXPECT_TRUE(CheckPacked(before, packed));
    const Program after = Read(packed);
    std::string segment = packed, resource = packed, names = packed;
    segment[after.segments[1].offset + 5] ^= 1;
    resource[after.resources[2].offset] ^= 1;
    names[after.nonResidentOffset + 1] ^= 1;
    const std::pair<std::string, std::string> cases[] = {
        {segment, "the packed program changed segment 2"},
        {resource, "the packed program changed resource 3"},
        {names, "the packed program changed the non-resident names"},
        {packed.substr(0, after.resources[3].offset),
         "the packed program does not read back: a resource lies beyond the end of the file"},
    };
    for (const auto& [bytes, message] : cases) {
        const fileaccess::Status checked = CheckPacked(before, bytes);
        ASSERT_FALSE(checked) << message;
        EXPECT_EQ(checked.error().message, message);
    }
}

// The fuzz target starts from these: each must be a program that restallow-min packs and reads
// back, or the fuzzer would spend its runs on inputs refused at the first header.
TEST(Minimizer, TheFuzzSeedsArePackedAndReadBack) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(RESTALLOW_NE_SEEDS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto packed = Minimize(bytes);
        ASSERT_TRUE(packed) << entry.path() << ": " << packed.error().message;
        const fileaccess::Status checked = CheckPacked(bytes, *packed);
        EXPECT_TRUE(checked) << entry.path() << ": " << checked.error().message;
        EXPECT_FALSE(Read(bytes).segments.empty()) << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 7);
}

class MinimizerCommand : public ::testing::Test {
protected:
    MinimizerCommand() {
        dir = std::filesystem::temp_directory_path() / ("mintest" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    ~MinimizerCommand() override { std::filesystem::remove_all(dir); }

    int Run(const std::string& arguments) {
        const int status = std::system(
            ("'" RESTALLOW_MIN "' " + arguments + " >/dev/null 2>'" + (dir / "err").string() + "'").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string ReadFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }

    std::filesystem::path dir;
};

TEST_F(MinimizerCommand, WritesThePackedCopyOrNothing) {
    const ProgramLayout layout = Layout(4, true);
    Write("in put.exe", NeWriter::Build(layout));
    ASSERT_EQ(Run("'" + (dir / "in put.exe").string() + "' '" + (dir / "out.exe").string() + "'"), 0);
    ExpectSameContent(ReadFile(dir / "in put.exe"), ReadFile(dir / "out.exe"), layout);

    Write("pe.exe",
          std::string("MZ") + std::string(0x3A, '\0') + std::string("\x40\0\0\0PE\0\0", 8) + std::string(64, '\0'));
    EXPECT_EQ(Run("'" + (dir / "pe.exe").string() + "' '" + (dir / "pe.out").string() + "'"), 1);
    EXPECT_NE(ReadFile(dir / "err").find("error: a 32-bit or 64-bit program (PE), not a 16-bit one"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "pe.out"));
    EXPECT_EQ(Run("only-one"), 2);
}

TEST_F(MinimizerCommand, ALastResourceCutShortIsPackedIntoAProgramThatReadsBack) {
    const std::string before = CutShortWithNamesInside();
    Write("cut.exe", before);
    ASSERT_EQ(Run("'" + (dir / "cut.exe").string() + "' '" + (dir / "cut.out").string() + "'"), 0)
        << ReadFile(dir / "err");
    const std::string after = ReadFile(dir / "cut.out");
    const fileaccess::Status checked = CheckPacked(before, after);
    EXPECT_TRUE(checked) << checked.error().message;
}

TEST_F(MinimizerCommand, AProgramItCannotPackSoundlyLeavesNoOutput) {
    std::string file = NeWriter::Build(Layout(3, true));
    const std::size_t entry = Read(file).resources[1].entryAt;
    file[kDosHeaderSize + kNonResidentNames] = static_cast<char>(entry & 0xFF);
    file[kDosHeaderSize + kNonResidentNames + 1] = static_cast<char>(entry >> 8);
    Write("names.exe", file);
    Write("old.exe", "older");
    EXPECT_EQ(Run("'" + (dir / "names.exe").string() + "' '" + (dir / "old.exe").string() + "'"), 1);
    EXPECT_EQ(ReadFile(dir / "err"), "restallow-min: " + (dir / "names.exe").string() +
                                         ": error: the non-resident name table overlaps the NE header or its tables\n");
    EXPECT_EQ(ReadFile(dir / "old.exe"), "older");
}

TEST_F(MinimizerCommand, WrestoolListsTheSameResourcesForInputAndOutput) {
    if (std::system("command -v wrestool >/dev/null 2>&1") != 0) GTEST_SKIP() << "wrestool (icoutils) missing";
    const ProgramLayout layout = Layout(3, true);
    Write("in.exe", NeWriter::Build(layout));
    ASSERT_EQ(Run("'" + (dir / "in.exe").string() + "' '" + (dir / "out.exe").string() + "'"), 0);
    std::string listings[2];
    for (int i = 0; i < 2; ++i) {
        const std::string name = i == 0 ? "in" : "out";
        const std::string command = "cd '" + dir.string() + "' && wrestool -l " + name + ".exe > " + name +
                                    ".list 2>&1 && mkdir -p x" + name + " && wrestool -x --raw -o x" + name + " " +
                                    name + ".exe";
        ASSERT_EQ(std::system(command.c_str()), 0) << name;
        listings[i] = ReadFile(dir / (name + ".list"));
        // Offsets differ by design; types, names and sizes must not.
        std::string::size_type at;
        while ((at = listings[i].find("offset=0x")) != std::string::npos) {
            listings[i].erase(at, listings[i].find(' ', at) + 1 - at);
        }
    }
    EXPECT_FALSE(listings[0].empty());
    EXPECT_EQ(listings[0], listings[1]);
    for (const auto& entry : std::filesystem::directory_iterator(dir / "xin")) {
        const std::string extracted = entry.path().filename().string();
        std::string other = extracted;
        other.replace(other.find("in.exe"), 6, "out.exe");
        const std::string a = ReadFile(entry.path()), b = ReadFile(dir / "xout" / other);
        // The resources' own bytes are equal; a smaller unit may leave less padding behind them.
        EXPECT_EQ(a.substr(0, b.size()), b.substr(0, a.size())) << extracted;
    }
}

TEST_F(MinimizerCommand, FolderFifoAndDeviceInputsAreRefusedAtOnceAndOutputsKeepModes) {
    std::filesystem::create_directory(dir / "folder.exe");
    ASSERT_EQ(::mkfifo((dir / "fifo.exe").c_str(), 0600), 0);
    for (const std::string& input :
         {(dir / "folder.exe").string(), (dir / "fifo.exe").string(), std::string("/dev/zero")}) {
        EXPECT_EQ(Run("'" + input + "' '" + (dir / "x.exe").string() + "'"), 1) << input;
        EXPECT_NE(ReadFile(dir / "err").find("not a file"), std::string::npos) << ReadFile(dir / "err");
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "x.exe"));

    const ProgramLayout layout = Layout(2, true);
    Write("in.exe", NeWriter::Build(layout));
    Write("old.exe", "older");
    ::chmod((dir / "old.exe").c_str(), 0750);
    const mode_t saved = ::umask(022);
    ASSERT_EQ(Run("'" + (dir / "in.exe").string() + "' '" + (dir / "old.exe").string() + "'"), 0);
    ASSERT_EQ(Run("'" + (dir / "in.exe").string() + "' '" + (dir / "new.exe").string() + "'"), 0);
    ::umask(saved);
    struct stat info {};
    ::stat((dir / "old.exe").c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0750u);
    ::stat((dir / "new.exe").c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    EXPECT_EQ(ReadFile(dir / "old.exe"), ReadFile(dir / "new.exe"));
}

}  // namespace
}  // namespace ne
