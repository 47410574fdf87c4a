// The compiler's output against the peers': llvm-rc byte for byte, windres for the animated
// types, and Wine's wrc for the 16-bit format (same resources; wrc numbers cursors apart).
#include <algorithm>
#include <cstdlib>

#include "RcTestSupport.h"
#include "resformat/Bytes.h"

namespace rc::test {
namespace {

TEST(PeerOutput, EveryKindOfTheProgramMatchesLlvmRcByteForByte) {
    for (const char* name : {"every_kind", "options"}) {
        const std::string ours = CompileData(std::string(name) + ".rc");
        const std::string golden = ReadBytes(DataDir() / (std::string(name) + ".llvm.res"));
        ASSERT_FALSE(golden.empty()) << name;
        EXPECT_TRUE(ours == golden) << name << ": output differs from llvm-rc's";
    }
}

TEST(PeerOutput, LiveLlvmRcAgreesWhenInstalled) {
    if (!HasLlvmRc()) GTEST_SKIP() << "llvm-rc is not installed";
    EXPECT_TRUE(LlvmRcOutput("every_kind.rc") == CompileData("every_kind.rc"));
}

TEST(PeerOutput, AnimatedCursorsAndIconsMatchWindres) {
    const OwnedRes ours = ReadRes(CompileData("ani.rc"));
    const OwnedRes windres = ReadRes(ReadBytes(DataDir() / "ani.windres.res"));
    ASSERT_EQ(ours.entries().size(), 2u);
    ASSERT_EQ(windres.entries().size(), 2u);
    for (const ResEntry& entry : ours.entries()) {
        const auto match = std::find_if(windres.entries().begin(), windres.entries().end(), [&](const ResEntry& peer) {
            return peer.type == entry.type && peer.name == entry.name;
        });
        ASSERT_NE(match, windres.entries().end()) << TypeText(entry.type);
        EXPECT_EQ(match->flags, entry.flags);
        EXPECT_EQ(match->language, entry.language);
        EXPECT_TRUE(match->data == entry.data);
    }
    EXPECT_EQ(ours.entries()[0].type, ResourceId::Number(RtAniCursor));
    EXPECT_EQ(ours.entries()[1].type, ResourceId::Number(RtAniIcon));
}

// The entries of a group without their image ids, sorted: wrc numbers and orders them its own way.
// wrc also keeps a cursor's height as the file gives it, where llvm-rc (and this compiler) double it.
std::vector<std::string> GroupEntries(std::string_view group, bool halveCursorHeight) {
    std::vector<std::string> entries;
    for (std::size_t at = 6; at + 14 <= group.size(); at += 14) {
        std::string entry(group.substr(at, 12));
        if (halveCursorHeight) {
            const std::uint16_t height = ReadU16(entry, 2) / 2;
            entry[2] = static_cast<char>(height & 0xFF);
            entry[3] = static_cast<char>(height >> 8);
        }
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

TEST(PeerOutput, Win16FormatHoldsTheSameResourcesAsWrc) {
    const std::string bytes = CompileData("win16.rc", true);
    const OwnedRes ours = ReadRes(bytes);
    const OwnedRes wrc = ReadRes(ReadBytes(DataDir() / "win16.wrc.res"));
    EXPECT_TRUE(ours.file.win16);
    ASSERT_EQ(ours.entries().size(), wrc.entries().size());
    for (std::size_t i = 0; i < ours.entries().size(); ++i) {
        const ResEntry& a = ours.entries()[i];
        const ResEntry& b = wrc.entries()[i];
        SCOPED_TRACE(TypeText(a.type) + " " + IdText(a.name));
        EXPECT_EQ(a.type, b.type);
        EXPECT_EQ(a.flags, b.flags);
        if (a.type == ResourceId::Number(RtCursor)) {
            EXPECT_TRUE(a.data == b.data);  // one image counter here, a cursor counter of its own in wrc
        } else if (a.type == ResourceId::Number(RtGroupCursor) || a.type == ResourceId::Number(RtGroupIcon)) {
            EXPECT_EQ(a.name, b.name);
            const bool cursor = a.type == ResourceId::Number(RtGroupCursor);
            EXPECT_EQ(a.data.substr(0, 6), b.data.substr(0, 6));
            EXPECT_EQ(GroupEntries(a.data, cursor), GroupEntries(b.data, false));
        } else {
            EXPECT_EQ(a.name, b.name);
            EXPECT_TRUE(a.data == b.data);
        }
    }
}

TEST(PeerOutput, Win16StringsAreCodePage1252BytesWithByteLengths) {
    ScratchDir dir;
    const auto script = dir.write("s.rc", "STRINGTABLE { 1, \"Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\" }\n");
    ASSERT_TRUE(Compile(script, dir.path("s.res"), true).ok);
    const OwnedRes file = ReadRes(ReadBytes(dir.path("s.res")));
    ASSERT_EQ(file.entries().size(), 1u);
    EXPECT_EQ(std::string(file.entries()[0].data), std::string("\0\x07Gr\xFC\xDF" "e \x80", 9) + std::string(14, '\0'));
}

}  // namespace
}  // namespace rc::test
