// restallow-resdump -v: menus, version information, accelerators and strings as text.
#include <cstdio>
#include <memory>

#include "RcTestSupport.h"
#include "dump/ResDescribe.h"

namespace rc::test {
namespace {

TEST(ResDescribe, MenuOfTheGoldenReadsAsItsScript) {
    const OwnedRes res = ReadRes(ReadBytes(DataDir() / "statements.zig.res"));
    ASSERT_FALSE(res.entries().empty());
    EXPECT_EQ(DescribeResource(res.entries()[0], false),
              "  MENU\n"
              "    POPUP \"&File\"\n"
              "      MENUITEM \"&Open\\tCtrl+O\", 100, CHECKED, GRAYED\n"
              "      MENUITEM SEPARATOR\n"
              "      MENUITEM \"E&xit\", 101, HELP\n"
              "      POPUP \"Sub\", INACTIVE\n"
              "        MENUITEM \"x\", 5, MENUBARBREAK, MENUBREAK\n"
              "        MENUITEM \"wide \xE2\x98\xBA\", 262\n"
              "    MENUITEM \"Top\", 7, INACTIVE\n");
}

TEST(ResDescribe, VersionAndAcceleratorsOfTheGoldenRead) {
    const OwnedRes res = ReadRes(ReadBytes(DataDir() / "statements.zig.res"));
    std::string all;
    for (const ResEntry& entry : res.entries()) all += DescribeResource(entry, false);
    for (const char* line :
         {"  FILEVERSION 1,2,3,4\n", "  PRODUCTVERSION 5,6,0,0\n", "  FILEFLAGS 0x3\n",
          "      VALUE \"Joined\", \"ab\", \"c\"\n", "      VALUE \"Wide\", \"\xE2\x98\xBA\"\n",
          "    VALUE \"Long\", 0x1, 0x0, 0x2, 0x5678, 0x1234\n", "        VALUE \"Deepest\", 0x1\n",
          "  \"^C\", 2, ASCII\n", "  0x41, 4, VIRTKEY, SHIFT, CONTROL, ALT\n", "  0x4B, 7, VIRTKEY, ALT\n"}) {
        EXPECT_NE(all.find(line), std::string::npos) << line << all;
    }
}

// The 16-bit and 32-bit compiles of one script read the same: the dump compares meaning. Only
// VALUE "Empty", "" differs: the 32-bit format gives it no value at all (as rc.exe writes it),
// which reads as an empty BLOCK.
TEST(ResDescribe, BothFormatsOfOneScriptReadTheSame) {
    const OwnedRes wide = ReadRes(CompileData("win16_statements.rc", false));
    const OwnedRes narrow = ReadRes(CompileData("win16_statements.rc", true));
    ASSERT_EQ(wide.entries().size(), narrow.entries().size());
    for (std::size_t i = 0; i < wide.entries().size(); ++i) {
        const std::string text = DescribeResource(wide.entries()[i], false);
        EXPECT_FALSE(text.empty());
        std::string expected = DescribeResource(narrow.entries()[i], true);
        const std::string empty = "VALUE \"Empty\", \"\"";
        if (const auto at = expected.find(empty); at != std::string::npos)
            expected.replace(at, empty.size(), "BLOCK \"Empty\"");
        EXPECT_EQ(text, expected);
    }
    EXPECT_NE(DescribeResource(narrow.entries()[1], true).find("\"caf\xC3\xA9\""), std::string::npos);  // the MENU
}

TEST(ResDescribe, CutBodiesSayTheyCannotBeReadInsteadOfReadingPastTheEnd) {
    const OwnedRes res = ReadRes(ReadBytes(DataDir() / "statements.zig.res"));
    for (const ResEntry& entry : res.entries()) {
        for (std::size_t size = 0; size + 1 < entry.data.size(); ++size) {
            ResEntry cut = entry;
            cut.data = entry.data.substr(0, size);
            const std::string text = DescribeResource(cut, false);
            const bool emptyMenu = entry.type == ResourceId::Number(4) && size == 4;  // a whole menu without items
            if ((entry.type == ResourceId::Number(4) && !emptyMenu) || entry.type == ResourceId::Number(16)) {
                EXPECT_NE(text.find("(cannot be read: "), std::string::npos)
                    << TypeText(entry.type) << " cut at " << size;
            }
        }
    }
}

// The .res fuzz target starts from these: every one reads, and every body of a kind the dump
// describes is described whole, so the fuzzer starts inside the describers.
TEST(ResDescribe, TheFuzzSeedsAreWellFormedInBothFormats) {
    int files = 0, described = 0, win16 = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DataDir() / "../../../fuzz/seeds/res_reader_fuzz")) {
        const OwnedRes res = ReadRes(ReadBytes(entry.path()));
        ASSERT_FALSE(res.entries().empty()) << entry.path();
        win16 += res.file.win16 ? 1 : 0;
        for (const ResEntry& resource : res.entries()) {
            const std::string text = DescribeResource(resource, res.file.win16);
            EXPECT_EQ(text.find("cannot be read"), std::string::npos) << entry.path() << ": " << text;
            EXPECT_EQ(text.find("error:"), std::string::npos) << entry.path() << ": " << text;
            described += text.empty() ? 0 : 1;
        }
        ++files;
    }
    EXPECT_GE(files, 14);
    EXPECT_GE(win16, 6);
    EXPECT_GE(described, 16);
}

TEST(ResDescribe, ResdumpVerbosePrintsEachResourceWithItsContents) {
    const std::string command =
        std::string(RESTALLOW_RC) + " --dump -v '" + (DataDir() / "statements.zig.res").string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get())) out.append(buffer, n);
    EXPECT_NE(out.find("MENU           #1"), std::string::npos) << out;
    EXPECT_NE(out.find("      MENUITEM SEPARATOR\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  VERSIONINFO \"VS_VERSION_INFO\"\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace rc::test
