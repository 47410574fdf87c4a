// MENU, MENUEX, VERSIONINFO, ACCELERATORS, TOOLBAR and FONT against the peers' bytes: zig rc
// (rc.exe's bytes) where it takes the form, windres where rc.exe refuses it, wrc -m16 for the
// 16-bit format.
#include <algorithm>

#include "RcTestSupport.h"
#include "resformat/Bytes.h"

namespace rc::test {
namespace {

// The scripts of these tests are UTF-8 where they are 32-bit.
std::string CompileUtf8Data(const std::string& script, bool win16 = false) {
    return CompileData(script, win16, win16 ? 0 : 65001);
}

const ResEntry* Find(const OwnedRes& res, const ResourceId& type, const ResourceId& name) {
    const auto match = std::find_if(res.entries().begin(), res.entries().end(),
                                    [&](const ResEntry& entry) { return entry.type == type && entry.name == name; });
    return match == res.entries().end() ? nullptr : &*match;
}

TEST(StatementPeer, MenuVersionAndAcceleratorsMatchZigRcByteForByte) {
    const std::string golden = ReadBytes(DataDir() / "statements.zig.res");
    ASSERT_FALSE(golden.empty());
    EXPECT_TRUE(CompileUtf8Data("statements.rc") == golden) << "output differs from zig rc's";
}

TEST(StatementPeer, LiveZigRcAgreesWhenZigIsGiven) {
    if (ZigProgram().empty()) GTEST_SKIP() << "ZIG does not name the zig program";
    for (const char* name : {"statements.rc", "font.rc"})
        EXPECT_TRUE(ZigOutput(DataDir(), name) == CompileUtf8Data(name)) << name;
}

// windres marks every resource DISCARDABLE; the memory flags here are rc.exe's defaults, so
// only type, name, language and data are compared.
TEST(StatementPeer, FormsRcExeRefusesHoldWhatWindresWrites) {
    const OwnedRes ours = ReadRes(CompileUtf8Data("legacy.rc"));
    const OwnedRes windres = ReadRes(ReadBytes(DataDir() / "legacy.windres.res"));
    ASSERT_EQ(ours.entries().size(), windres.entries().size());
    for (const ResEntry& entry : ours.entries()) {
        const ResEntry* peer = Find(windres, entry.type, entry.name);
        ASSERT_NE(peer, nullptr) << TypeText(entry.type) << " " << IdText(entry.name);
        EXPECT_EQ(peer->language, entry.language);
        EXPECT_TRUE(peer->data == entry.data) << TypeText(entry.type) << " " << IdText(entry.name);
    }
}

TEST(StatementPeer, KeywordTypesKeepTheirNumbersIn16Bits) {
    const OwnedRes res =
        ReadRes(CompileText("1 MESSAGETABLE { 1 }\n2 DLGINCLUDE { 2 }\n3 PLUGPLAY { 3 }\n4 VXD { 4 }\n"
                            "5 HTML { 5 }\n6 MANIFEST { 6 }\n7 DLGINIT { 7 }\n8 TEXTINCLUDE { 8 }\n",
                            true));
    ASSERT_EQ(res.entries().size(), 8u);
    const ResourceId types[] = {ResourceId::Number(11),  ResourceId::Number(17),          ResourceId::Number(19),
                                ResourceId::Number(20),  ResourceId::Number(23),          ResourceId::Number(24),
                                ResourceId::Number(240), ResourceId::Text(u"TEXTINCLUDE")};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(res.entries()[i].type, types[i]) << i;
        EXPECT_EQ(res.entries()[i].data, std::string(1, static_cast<char>(i + 1)) + '\0');
    }
}

// windres writes MENUITEM SEPARATOR of a MENUEX as an empty string item (type 0); wrc and the
// Windows menu loader take MFT_SEPARATOR (0x800), which is what a separator is.
TEST(StatementPeer, MenuExSeparatorIsWrittenAsMftSeparatorLikeWrc) {
    const OwnedRes res = ReadRes(CompileText("1 MENUEX { MENUITEM SEPARATOR }"));
    ASSERT_EQ(res.entries().size(), 1u);
    const std::string_view data = res.entries()[0].data;
    ASSERT_EQ(data.size(), 8u + 14u + 2u);
    EXPECT_EQ(ReadU32(data, 8), 0x800u);
    EXPECT_EQ(ReadU16(data, 20), 0x80u);  // the last item
}

TEST(StatementPeer, MenuExFieldsLeftOutAreZero) {
    EXPECT_TRUE(CompileText("1 MENUEX { POPUP \"p\", , , 3, 4 { MENUITEM \"a\", , 0x800 } }") ==
                CompileText("1 MENUEX { POPUP \"p\", 0, 0, 3, 4 { MENUITEM \"a\", 0, 0x800 } }"));
}

// The FONT resources and their directory are zig rc's: each entry holds the font's first 148
// bytes and two empty names (rc.exe reads the names from the wrong place of the header).
TEST(StatementPeer, FontsAndTheirDirectoryMatchZigRc) {
    const std::string ours = CompileUtf8Data("font.rc");
    EXPECT_TRUE(ours == ReadBytes(DataDir() / "font.zig.res"));
    const OwnedRes res = ReadRes(ours);
    const ResEntry* dir = Find(res, ResourceId::Number(7), ResourceId::Text(u"FONTDIR"));
    ASSERT_NE(dir, nullptr);
    const std::string font = ReadBytes(DataDir() / "small.fnt");
    std::string expected = std::string("\x02\x00", 2);
    for (char ordinal : {'\x05', '\x06'})
        expected += std::string(1, ordinal) + '\0' + font.substr(0, 148) + std::string(2, '\0');
    EXPECT_TRUE(dir->data == expected);
    EXPECT_EQ(dir->flags, MfMoveable | MfPreload);
}

// wrc -m16 writes the fonts but builds no FONTDIR; the 16-bit directory holds each font's
// 113-byte FONTDIRENTRY with the device and face names it points to.
TEST(StatementPeer, Win16FontsMatchWrcAndTheDirectoryHoldsEachHeader) {
    const OwnedRes ours = ReadRes(CompileUtf8Data("font.rc", true));
    const OwnedRes wrc = ReadRes(ReadBytes(DataDir() / "font.wrc16.res"));
    for (std::uint16_t name : {5, 6}) {
        const ResEntry* a = Find(ours, ResourceId::Number(8), ResourceId::Number(name));
        const ResEntry* b = Find(wrc, ResourceId::Number(8), ResourceId::Number(name));
        ASSERT_TRUE(a && b);
        EXPECT_TRUE(a->data == b->data);
    }
    const ResEntry* dir = Find(ours, ResourceId::Number(7), ResourceId::Text(u"FONTDIR"));
    ASSERT_NE(dir, nullptr);
    const std::string font = ReadBytes(DataDir() / "small.fnt");
    std::string expected = std::string("\x02\x00", 2);
    for (char ordinal : {'\x05', '\x06'}) {
        expected += std::string(1, ordinal) + '\0' + font.substr(0, 113) + std::string("DEV\0Sans\0", 9);
    }
    EXPECT_TRUE(dir->data == expected);
}

// wrc writes no 16-bit TOOLBAR; the body is the same in both formats.
TEST(StatementPeer, ToolbarMatchesWrcAndIsTheSameIn16Bits) {
    const std::string script = "1 TOOLBAR DISCARDABLE 16, 15\nBEGIN\n BUTTON 100\n SEPARATOR\n BUTTON 101\nEND\n";
    const std::string expected("\x01\x00\x10\x00\x0f\x00\x03\x00\x64\x00\x00\x00\x65\x00", 14);  // wrc's bytes
    for (bool win16 : {false, true}) {
        const OwnedRes res = ReadRes(CompileText(script, win16));
        ASSERT_EQ(res.entries().size(), 1u);
        EXPECT_EQ(res.entries()[0].type, ResourceId::Number(241));
        EXPECT_TRUE(res.entries()[0].data == expected);
    }
}

// Byte for byte wrc's, but for the VERSIONINFO memory flags: wrc gives MOVEABLE alone in 16
// bits, this compiler the MOVEABLE PURE it gives in 32 bits. (wrc pads VERSIONINFO from the
// start of the file; the script puts it first, where that is the start of the resource.)
TEST(StatementPeer, Win16MenuAcceleratorsAndVersionMatchWrc) {
    const OwnedRes ours = ReadRes(CompileUtf8Data("win16_statements.rc", true));
    const OwnedRes wrc = ReadRes(ReadBytes(DataDir() / "win16_statements.wrc.res"));
    ASSERT_TRUE(ours.file.win16);
    ASSERT_EQ(ours.entries().size(), 3u);
    ASSERT_EQ(wrc.entries().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const ResEntry& a = ours.entries()[i];
        const ResEntry& b = wrc.entries()[i];
        EXPECT_EQ(a.type, b.type);
        EXPECT_EQ(a.name, b.name);
        EXPECT_TRUE(a.data == b.data) << TypeText(a.type);
        if (a.type != ResourceId::Number(16)) {
            EXPECT_EQ(a.flags, b.flags) << TypeText(a.type);
        }
    }
    EXPECT_EQ(ours.entries()[0].flags, MfMoveable | MfPure);
}

// wrc -m16 drops the options of a POPUP (it writes 0x90 for POPUP "p", GRAYED); the 16-bit
// menu format has the same flag word as the 32-bit one, which llvm-rc fills, so they stay.
TEST(StatementPeer, Win16PopupKeepsItsOptionsWhereWrcDropsThem) {
    const OwnedRes res = ReadRes(CompileText("1 MENU { POPUP \"p\", GRAYED { MENUITEM \"a\", 1 } }", true));
    ASSERT_EQ(res.entries().size(), 1u);
    EXPECT_EQ(res.entries()[0].data, std::string_view("\0\0\0\0\x91\0p\0\x80\0\x01\0a\0", 14));
}

// wrc sign-extends a character key above 0x7F (0xFFE9 for "é"); Windows 3.x compares the
// code page 1252 byte, so the key is 0xE9, and a character 1252 lacks is an error.
TEST(StatementPeer, Win16AcceleratorCharacterIsItsCodePage1252Byte) {
    const OwnedRes res = ReadRes(CompileText("1 ACCELERATORS { \"\xE2\x82\xAC\", 1, ALT }", true));
    ASSERT_EQ(res.entries().size(), 1u);
    EXPECT_EQ(res.entries()[0].data, std::string_view("\x90\x80\0\x01\0", 5));
    const OwnedRes wide = ReadRes(CompileText("1 ACCELERATORS { \"\xE2\x82\xAC\", 1, ALT }"));
    ASSERT_EQ(wide.entries().size(), 1u);
    EXPECT_EQ(ReadU16(wide.entries()[0].data, 2), 0x20ACu);
}

// llvm-rc and windres refuse VALUEs that mix strings and numbers; rc.exe takes them as binary
// values. Their length counts bytes (rc.exe counts the strings in characters, which breaks the
// value; zig rc, whose bytes these are, counts bytes).
TEST(StatementPeer, MixedVersionValueIsBinaryWithItsLengthInBytes) {
    const OwnedRes res = ReadRes(CompileText("1 VERSIONINFO { BLOCK \"b\" { VALUE \"m\", \"ab\", 1, 2L } }"));
    ASSERT_EQ(res.entries().size(), 1u);
    const std::string_view data = res.entries()[0].data;
    const std::size_t value = 92 + 12;  // the root with its fixed part, then BLOCK "b"
    ASSERT_GE(data.size(), value + 12 + 12);
    EXPECT_EQ(ReadU16(data, value + 2), 12u);  // "ab\0" in 6 bytes, then 2 + 4 bytes
    EXPECT_EQ(ReadU16(data, value + 4), 0u);   // binary
    EXPECT_EQ(data.substr(value + 12), std::string_view("a\0b\0\0\0\x01\0\x02\0\0\0", 12));
}

// rc.exe writes the rest of a menu or dialog text after a NUL written inside it, and the items
// after it no longer read; here the text ends at the NUL.
TEST(StatementPeer, ANulInsideAMenuOrDialogTextEndsIt) {
    const OwnedRes menu = ReadRes(CompileText("1 MENU { MENUITEM \"a\\0b\", 1\n MENUITEM \"c\", 2 }"));
    ASSERT_EQ(menu.entries().size(), 1u);
    EXPECT_EQ(menu.entries()[0].data, std::string_view("\0\0\0\0\0\0\x01\0a\0\0\0\x80\0\x02\0c\0\0\0", 20));
    const OwnedRes dialog =
        ReadRes(CompileText("1 DIALOG 0, 0, 9, 9 CAPTION \"x\\0y\" { LTEXT \"a\\0b\", 1, 0, 0, 1, 1 }"));
    ASSERT_EQ(dialog.entries().size(), 1u);
    EXPECT_EQ(dialog.entries()[0].data.substr(22, 4), std::string_view("x\0\0\0", 4));
    EXPECT_EQ(dialog.entries()[0].data.substr(dialog.entries()[0].data.size() - 6), std::string_view("a\0\0\0\0\0", 6));
}

TEST(StatementPeer, EscapedQuotesAndSemicolonsOfOldScriptsMatchWrc) {
    const std::string golden = ReadBytes(DataDir() / "old_strings.wrc.res");
    ASSERT_FALSE(golden.empty());
    EXPECT_TRUE(CompileUtf8Data("old_strings.rc") == golden);
}

// Where no closing quote follows on the line, \" ends the string as llvm-rc and wrc read it;
// llvm-rc's \"" still means one quote.
TEST(StatementPeer, BackslashBeforeTheClosingQuoteStaysABackslash) {
    const OwnedRes res = ReadRes(CompileText("STRINGTABLE { 2, \"C:\\\"\n 3, \"a\\\"\"b\" }"));
    ASSERT_EQ(res.entries().size(), 1u);
    const std::string_view data = res.entries()[0].data;
    EXPECT_EQ(data.substr(4, 8), std::string_view("\x03\0C\0:\0\\\0", 8));
    EXPECT_EQ(data.substr(12, 8), std::string_view("\x03\0a\0\"\0b\0", 8));
}

}  // namespace
}  // namespace rc::test
