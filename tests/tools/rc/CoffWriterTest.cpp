// The COFF object of a .res against windres -O coff, byte for byte, and the objects it refuses.
#include <cstdlib>

#include "RcTestSupport.h"
#include "resformat/Bytes.h"
#include "resformat/CoffWriter.h"

namespace rc::test {
namespace {

std::string Object(const ResFile& file, CoffMachine machine) {
    const fileaccess::Result<CoffObject> object = CoffObject::Build(file, machine);
    if (!object) ADD_FAILURE() << object.error().message;
    return object ? object->Bytes() : std::string();
}

std::string Refusal(const ResFile& file) {
    const fileaccess::Result<CoffObject> object = CoffObject::Build(file, CoffMachine::I386);
    EXPECT_FALSE(object);
    return object ? std::string() : object.error().message;
}

ResEntry Entry(ResourceId type, ResourceId name, std::uint16_t language, std::string_view data) {
    return {std::move(type), std::move(name), 0x30, language, data};
}

TEST(CoffWriter, ObjectsEqualWindresForBothMachines) {
    const struct {
        const char* res;
        const char* golden;
        CoffMachine machine;
    } cases[] = {{"options.zig.res", "options.windres.o", CoffMachine::I386},
                 {"coff_names.res", "coff_names.windres.o", CoffMachine::I386},
                 {"coff_names.res", "coff_names.windres64.o", CoffMachine::X86_64}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        const OwnedRes res = ReadRes(ReadBytes(DataDir() / c.res));
        const std::string golden = ReadBytes(DataDir() / c.golden);
        ASSERT_FALSE(golden.empty());
        const std::string ours = Object(res.file, c.machine);
        EXPECT_EQ(ours.size(), golden.size());
        EXPECT_TRUE(ours == golden);
    }
}

TEST(CoffWriter, NoResourcesGiveAnEmptyDirectoryAndNoRelocations) {
    const std::string object = Object(ResFile{}, CoffMachine::I386);
    ASSERT_EQ(object.size(), 60u + 16 + 18 + 4);
    EXPECT_EQ(ReadU32(object, 20 + 16), 16u);  // the section: the root table alone
    EXPECT_EQ(ReadU32(object, 20 + 24), 0u);   // no relocations ...
    EXPECT_EQ(ReadU16(object, 20 + 32), 0u);
    EXPECT_EQ(ReadU32(object, 8), 60u + 16);  // ... so the symbols follow the section
    EXPECT_EQ(object.substr(60, 16), std::string(16, '\0'));
}

TEST(CoffWriter, RefusesWhatAnObjectCannotHold) {
    ResFile win16;
    win16.win16 = true;
    EXPECT_EQ(Refusal(win16), "a 16-bit .res cannot go into a COFF object: its resources are 32-bit ones");

    ResFile twice;
    twice.entries = {Entry(ResourceId::Number(10), ResourceId::Text(u"ONE"), 0x409, "a"),
                     Entry(ResourceId::Number(10), ResourceId::Text(u"ONE"), 0x407, "b"),
                     Entry(ResourceId::Number(10), ResourceId::Text(u"ONE"), 0x409, "c")};
    EXPECT_EQ(Refusal(twice), "two resources RCDATA ONE of language 0x0409: a program holds only one of them");

    ResFile numbers;
    for (std::uint32_t id = 0; id <= 0xFFFF; ++id) {
        numbers.entries.push_back(
            Entry(ResourceId::Number(10), ResourceId::Number(static_cast<std::uint16_t>(id)), 0, ""));
    }
    EXPECT_EQ(Refusal(numbers),
              "more than 65535 resources of type RCDATA with numbers, or with names: a COFF directory "
              "counts each in 16 bits");
}

// Past 65534 relocations the section says so in a flag, and the first relocation holds the count.
TEST(CoffWriter, ManyResourcesCountTheirRelocationsInTheFirstOne) {
    ResFile many;
    for (std::uint16_t id = 1; id <= 35000; ++id) {
        for (std::uint16_t type : {10, 23})
            many.entries.push_back(Entry(ResourceId::Number(type), ResourceId::Number(id), 0x409, "x"));
    }
    const std::string object = Object(many, CoffMachine::I386);
    ASSERT_GT(object.size(), 60u);
    EXPECT_EQ(ReadU16(object, 20 + 32), 0xFFFFu);
    EXPECT_EQ(ReadU32(object, 20 + 36) & 0x01000000u, 0x01000000u);
    const std::uint32_t relocations = ReadU32(object, 20 + 24);
    EXPECT_EQ(ReadU32(object, relocations), 70001u);
    EXPECT_EQ(ReadU32(object, 8), relocations + 10 * 70001);  // the symbols after all of them
    if (std::system("command -v i686-w64-mingw32-objdump >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no MinGW objdump to read it back";
    ScratchDir dir;
    dir.write("many.o", object);
    const std::string command = "i686-w64-mingw32-objdump -r '" + dir.path("many.o").string() +
                                "' | grep -c rva32 > '" + dir.path("count.txt").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadBytes(dir.path("count.txt")), "70000\n");
}

}  // namespace
}  // namespace rc::test
