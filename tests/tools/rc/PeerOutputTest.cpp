// The compiler's output against the peers': zig rc (rc.exe's bytes) byte for byte, windres for the animated
// types, and Wine's wrc for the 16-bit format (same resources; wrc numbers cursors apart).
#include <algorithm>
#include <cstdlib>

#include "RcTestSupport.h"
#include "resformat/Bytes.h"

namespace rc::test {
namespace {

TEST(PeerOutput, EveryKindOfTheProgramMatchesZigRcByteForByte) {
    for (const char* name : {"every_kind", "options"}) {
        const std::string ours = CompileData(std::string(name) + ".rc", false, 65001);
        const std::string golden = ReadBytes(DataDir() / (std::string(name) + ".zig.res"));
        ASSERT_FALSE(golden.empty()) << name;
        EXPECT_TRUE(ours == golden) << name << ": output differs from zig rc's";
    }
}

TEST(PeerOutput, LiveZigRcAgreesWhenZigIsGiven) {
    if (ZigProgram().empty()) GTEST_SKIP() << "ZIG does not name the zig program";
    for (const char* name : {"every_kind.rc", "options.rc"}) {
        EXPECT_TRUE(ZigOutput(DataDir(), name) == CompileData(name, false, 65001)) << name;
    }
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
// wrc also keeps a cursor's height as the file gives it, where the 16-bit format of this compiler doubles it.
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

// The 16-bit format keeps its flags: an icon group MOVEABLE PURE DISCARDABLE, PRELOAD taking
// PURE's place; a FONT MOVEABLE DISCARDABLE. (The 32-bit rules are rc.exe's: zig/icons.rc.)
TEST(PeerOutput, Win16IconGroupsAndFontsKeepTheirFlags) {
    const std::string icon = (DataDir() / "icon.ico").string(), font = (DataDir() / "small.fnt").string();
    const OwnedRes res =
        ReadRes(CompileText("1 ICON DISCARDABLE PRELOAD \"" + icon + "\"\n2 FONT \"" + font + "\"\n", true));
    const auto group = std::find_if(res.entries().begin(), res.entries().end(), [](const ResEntry& entry) {
        return entry.type == ResourceId::Number(RtGroupIcon);
    });
    ASSERT_NE(group, res.entries().end());
    EXPECT_EQ(group->flags, MfMoveable | MfDiscardable | MfPreload);
    const auto fontEntry = std::find_if(res.entries().begin(), res.entries().end(),
                                        [](const ResEntry& entry) { return entry.type == ResourceId::Number(8); });
    ASSERT_NE(fontEntry, res.entries().end());
    EXPECT_EQ(fontEntry->flags, MfMoveable | MfDiscardable);
}

TEST(PeerOutput, Win16StringsAreCodePage1252BytesWithByteLengths) {
    ScratchDir dir;
    const auto script = dir.write("s.rc",
                                  "STRINGTABLE { 1, \"Gr\xC3\xBC\xC3\x9F"
                                  "e \xE2\x82\xAC\" }\n");
    ASSERT_TRUE(Compile(script, dir.path("s.res"), true).ok);
    const OwnedRes file = ReadRes(ReadBytes(dir.path("s.res")));
    ASSERT_EQ(file.entries().size(), 1u);
    EXPECT_EQ(std::string(file.entries()[0].data), std::string("\0\x07Gr\xFC\xDF"
                                                               "e \x80",
                                                               9) +
                                                       std::string(14, '\0'));
}

}  // namespace
}  // namespace rc::test
