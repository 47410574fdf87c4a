// DIALOG and DIALOGEX against the peers' bytes (zig rc, which writes rc.exe's; windres and wrc
// for the older forms that rc.exe refuses; wrc -m16 for the 16-bit format), and against their
// meaning as DescribeDialog reads it.
#include <algorithm>
#include <cstdlib>

#include "RcTestSupport.h"
#include "dump/DialogDump.h"
#include "resformat/Bytes.h"

namespace rc::test {
namespace {

// The one dialog of a compiled script, as text.
std::string DescribeOnly(const std::string& res) {
    const OwnedRes file = ReadRes(res);
    if (file.entries().size() != 1) return "expected one resource, found " + std::to_string(file.entries().size());
    return DescribeDialog(file.entries()[0].data, file.file.win16);
}

// Compares each of our resources with the peer's resource of the same type and name.
void ExpectSameDialogsAs(const std::string& ours, const std::string& peer, bool compareFlags) {
    const OwnedRes a = ReadRes(ours);
    const OwnedRes b = ReadRes(peer);
    ASSERT_EQ(a.entries().size(), b.entries().size());
    for (const ResEntry& entry : a.entries()) {
        SCOPED_TRACE(IdText(entry.name));
        const auto match = std::find_if(b.entries().begin(), b.entries().end(), [&](const ResEntry& other) {
            return other.type == entry.type && other.name == entry.name;
        });
        ASSERT_NE(match, b.entries().end());
        EXPECT_EQ(DescribeDialog(entry.data, a.file.win16), DescribeDialog(match->data, b.file.win16));
        EXPECT_TRUE(entry.data == match->data);
        EXPECT_EQ(entry.language, match->language);
        if (compareFlags) {
            EXPECT_EQ(entry.flags, match->flags);
        }
    }
}

TEST(DialogPeerOutput, EveryControlAndOptionMatchesZigRcByteForByte) {
    const std::string ours = CompileData("dialog.rc", false, 65001);
    const std::string golden = ReadBytes(DataDir() / "dialog.zig.res");
    ASSERT_FALSE(golden.empty());
    ExpectSameDialogsAs(ours, golden, true);
    EXPECT_TRUE(ours == golden) << "output differs from zig rc's";
}

TEST(DialogPeerOutput, LiveZigRcAgreesWhenZigIsGiven) {
    if (ZigProgram().empty()) GTEST_SKIP() << "ZIG does not name the zig program";
    EXPECT_TRUE(ZigOutput(DataDir(), "dialog.rc") == CompileData("dialog.rc", false, 65001));
}

// CLASS without quotes, BEDIT and control data in a DIALOG, which rc.exe refuses; a DIALOG with
// control data is written as DIALOGEX, as windres does.
TEST(DialogPeerOutput, ClassNamesPenControlsAndControlDataMatchWindres) {
    const std::string ours = CompileData("dialog_windres.rc");
    ExpectSameDialogsAs(ours, ReadBytes(DataDir() / "dialog_windres.windres.res"), true);
    const OwnedRes file = ReadRes(ours);
    const auto data = std::find_if(file.entries().begin(), file.entries().end(),
                                   [](const ResEntry& entry) { return IdText(entry.name) == "DATAINDIALOG"; });
    ASSERT_NE(data, file.entries().end());
    EXPECT_EQ(ReadU16(data->data, 2), 0xFFFF) << "a DIALOG with control data is written as DIALOGEX";
}

// Windows 3.x forms: no comma after a quoted text, ICON with only a position, ICON naming its
// icon without quotes (kept as written, as wrc does; windres upper-cases it).
TEST(DialogPeerOutput, OldFormsWithoutCommasAndShortIconsMatchWrc) {
    ExpectSameDialogsAs(CompileData("dialog_wrc.rc"), ReadBytes(DataDir() / "dialog_wrc.wrc.res"), true);
}

// No peer reads "FONT 8 \"Helv\"" or a text without its comma; rc.exe did. The bytes are those
// of the forms with commas, which llvm-rc reads.
TEST(DialogOldForms, MissingCommasGiveTheBytesOfTheFormsWithThem) {
    const std::string without = CompileText(
        "D DIALOG 1, 2, 30, 40\nFONT 8 \"Helv\"\nBEGIN\n LTEXT \"a\" 1, 0, 0, 5, 5\n"
        " DEFPUSHBUTTON \"OK\"\n 2, 0, 9, 5, 5\nEND\n");
    const std::string with = CompileText(
        "D DIALOG 1, 2, 30, 40\nFONT 8, \"Helv\"\nBEGIN\n LTEXT \"a\", 1, 0, 0, 5, 5\n"
        " DEFPUSHBUTTON \"OK\",\n 2, 0, 9, 5, 5\nEND\n");
    EXPECT_FALSE(without.empty());
    EXPECT_TRUE(without == with);
}

// CONTROL may name its class with a keyword; no peer reads that, and wrc writes the quoted
// names "button" ... "combobox" as these ordinals.
TEST(DialogOldForms, ClassKeywordsOfControlBecomeOrdinals) {
    const std::string description = DescribeOnly(CompileText(
        "D DIALOG 0, 0, 9, 9\nBEGIN\n CONTROL \"a\", 1, BUTTON, 0, 0, 0, 1, 1\n CONTROL \"b\", 2, edit, 0, 0, 0, 1, 1\n"
        " CONTROL \"c\", 3, STATIC, 0, 0, 0, 1, 1\n CONTROL \"d\", 4, LISTBOX, 0, 0, 0, 1, 1\n"
        " CONTROL \"e\", 5, SCROLLBAR, 0, 0, 0, 1, 1\n CONTROL \"f\", 6, COMBOBOX, 0, 0, 0, 1, 1\nEND\n"));
    for (const char* expected : {"1: BUTTON text \"a\"", "2: EDIT text \"b\"", "3: STATIC text \"c\"",
                                 "4: LISTBOX text \"d\"", "5: SCROLLBAR text \"e\"", "6: COMBOBOX text \"f\""}) {
        EXPECT_NE(description.find(expected), std::string::npos) << expected << "\n" << description;
    }
}

// NOT x is worth 0 and clears x from the value on its left (and from a control's default style).
TEST(DialogExpressions, NotClearsBitsOnItsLeftWhereverNumbersStand) {
    const OwnedRes file =
        ReadRes(CompileText("D RCDATA { 7 | NOT 2, NOT 2 | 7, -(1 + 2) & 0xFF, ~0 & 0x0F, -NOT 1 + 3 }"));
    ASSERT_EQ(file.entries().size(), 1u);
    EXPECT_EQ(std::string(file.entries()[0].data), std::string("\x05\0\x07\0\xFD\0\x0F\0\x03\0", 10));
}

TEST(DialogOldForms, ExactlyTheLargestNumberOfControlsFits) {
    std::string script = "D DIALOG 0, 0, 9, 9\nBEGIN\n";
    for (int i = 0; i < 65535; ++i) script += "LTEXT \"\", -1, 0, 0, 1, 1\n";
    const OwnedRes file = ReadRes(CompileText(script + "END\n"));
    ASSERT_EQ(file.entries().size(), 1u);
    EXPECT_EQ(ReadU16(file.entries()[0].data, 8), 65535);
}

// Memory options start from MOVEABLE PURE DISCARDABLE as in the 32-bit files; wrc starts
// PRELOAD from nothing, so the one dialog with PRELOAD has other flags there.
TEST(DialogWin16, EveryControlAndOptionMatchesWrcApartFromMemoryFlags) {
    const std::string ours = CompileData("dialog16.rc", true);
    ExpectSameDialogsAs(ours, ReadBytes(DataDir() / "dialog16.wrc.res"), false);
    const OwnedRes file = ReadRes(ours);
    for (const ResEntry& entry : file.entries()) {
        EXPECT_EQ(entry.flags, IdText(entry.name) == "OPTIONS" ? MfMoveable | MfPure | MfDiscardable | MfPreload
                                                               : MfMoveable | MfPure | MfDiscardable);
    }
}

// Where wrc -m16 writes other bytes, the 16-bit template keeps what the 32-bit one has.
TEST(DialogWin16, DiffersFromWrcOnPurpose) {
    // wrc writes WS_POPUP alone; rc's default adds WS_BORDER and WS_SYSMENU, as llvm-rc does.
    EXPECT_EQ(ReadU32(ReadRes(CompileText("D DIALOG 0, 0, 9, 9 {}", true)).entries()[0].data, 0), 0x80880000u);
    // wrc adds WS_TABSTOP to these two; rc's defaults (llvm-rc's) do not.
    const std::string controls = DescribeOnly(CompileText(
        "D DIALOG 0, 0, 9, 9 STYLE 0 {\n AUTORADIOBUTTON \"r\", 1, 0, 0, 1, 1\n COMBOBOX 2, 0, 0, 1, 1\n}", true));
    EXPECT_NE(controls.find("1: BUTTON text \"r\" id 1 at 0,0 size 1x1 style 0x50000009"), std::string::npos)
        << controls;
    EXPECT_NE(controls.find("2: COMBOBOX text \"\" id 2 at 0,0 size 1x1 style 0x50000000"), std::string::npos)
        << controls;
    // wrc keeps DS_SETFONT without a FONT, and the template then reads as if it had a font.
    EXPECT_EQ(ReadU32(ReadRes(CompileText("D DIALOG 0, 0, 9, 9 STYLE 0x40 {}", true)).entries()[0].data, 0), 0u);
    // wrc upper-cases a quoted class name; it stays as written, as in 32-bit files.
    EXPECT_NE(DescribeOnly(CompileText("D DIALOG 0, 0, 9, 9 CLASS \"MyClass\" {}", true)).find("class \"MyClass\""),
              std::string::npos);
}

// No peer writes these: wrc knows no PUSHBOX and refuses control data in a DIALOG. Windows 3.x
// templates give control data a one-byte length.
TEST(DialogWin16, PushBoxAndControlDataInTheWindows3Layout) {
    const std::string res =
        CompileText("D DIALOG 0, 0, 9, 9 STYLE 0 {\n PUSHBOX \"p\", 7, 1, 2, 3, 4 BEGIN 0x0201, \"ab\" END\n}", true);
    const std::string expected = std::string("\0\0\0\0\x01\0\0\0\0\x09\0\x09\0\0\0\0", 16) +
                                 std::string(
                                     "\x01\0\x02\0\x03\0\x04\0\x07\0\x0A\0\x01\x50\x80p\0\x04\x01\x02"
                                     "ab",
                                     22);
    EXPECT_EQ(std::string(ReadRes(res).entries()[0].data), expected);
}

TEST(DialogWin16, TextIsWrittenInCodePage1252) {
    const std::string res = CompileText(
        "#pragma code_page(65001)\nD DIALOG 0, 0, 9, 9 STYLE 0 CAPTION \"\xE2\x82\xAC\" {\n"
        " LTEXT \"Gr\xC3\xBC\xC3\x9F"
        "e\", 1, 0, 0, 1, 1\n}",
        true);
    const std::string data(ReadRes(res).entries()[0].data);
    EXPECT_NE(data.find(std::string("\x80\0", 2)), std::string::npos);
    EXPECT_NE(data.find(std::string("Gr\xFC\xDF"
                                    "e\0",
                                    6)),
              std::string::npos);
}

TEST(DialogDump, DescribesEveryFieldOfBothTemplates) {
    const std::string ex = DescribeOnly(
        CompileText("D DIALOGEX 1, 2, 30, 40, 5\nCAPTION \"Hi\"\nMENU 3\nFONT 8, \"Tahoma\", 700, 1, 0\n{\n"
                    " CONTROL \"t\\n\", 0x10000, \"Cls\", 0x1, -1, -2, 3, 4, 0x20, 6 { 0x0201 }\n}"));
    EXPECT_EQ(ex,
              "DIALOGEX style 0x80C80040 exstyle 0x00000000 help 5 at 1,2 size 30x40, 1 controls\n"
              "  menu #3, class none, caption \"Hi\"\n"
              "  font 8 weight 700 italic 1 charset 0 \"Tahoma\"\n"
              "  1: \"Cls\" text \"t\\n\" id 65536 at -1,-2 size 3x4 style 0x50000001 exstyle 0x00000020 help 6 data "
              "01 02\n");
    const std::string win16 =
        DescribeOnly(CompileText("D DIALOG 1, 2, 30, 40 MENU M CLASS 9 {\n ICON 4, -1, 5, 6\n}", true));
    EXPECT_EQ(win16,
              "DIALOG style 0x80880000 at 1,2 size 30x40, 1 controls\n"
              "  menu \"M\", class #9, caption \"\"\n"
              "  1: STATIC text #4 id -1 at 5,6 size 0x0 style 0x50000003\n");
}

// Every cut-off template ends in an error line instead of reading past its end.
TEST(DialogDump, TruncatedTemplatesEndInAnErrorLine) {
    for (const bool win16 : {false, true}) {
        const OwnedRes file = ReadRes(CompileData(win16 ? "dialog16.rc" : "dialog.rc", win16));
        const std::string_view data = file.entries()[0].data;
        EXPECT_EQ(DescribeDialog(data, win16).find("error:"), std::string::npos);
        for (std::size_t size = 0; size < data.size(); ++size) {
            const std::string text = DescribeDialog(data.substr(0, size), win16);
            ASSERT_NE(text.find("error: "), std::string::npos) << size;
        }
    }
}

TEST(DialogDump, ResDumpVerbosePrintsEachDialog) {
    ScratchDir dir;
    const std::string command = "'" RESTALLOW_RC "' --dump -v '" + (DataDir() / "dialog16.wrc.res").string() + "' > '" +
                                dir.path("out.txt").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string out = ReadBytes(dir.path("out.txt"));
    EXPECT_NE(out.find("CONTROLS             lang -      flags 0x1030 size 560\nDIALOG style 0x80C80040 at 10,20 size "
                       "200x150, 23 controls\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("  23: STATIC text \"No comma\" id 120 at 1,120 size 80x8 style 0x50020000\n"),
              std::string::npos);
}

}  // namespace
}  // namespace rc::test
