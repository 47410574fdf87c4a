// What a script can hold: file names, entry names, and the reload check of a written script.
#include <gtest/gtest.h>

#include "resources/ScriptSafety.h"
#include "resources/ScriptWriter.h"

namespace restallow {
namespace {

TEST(ScriptSafety, FileNamesThatWouldEndALineTheScriptOrTheirStringAreRefused) {
    for (const char* held : {"/a b/c,d.bmp", "/x/back\\slash\\.ico", "/x/caf\xc3\xa9 \xe4\xb8\xad.jpg", "/x/t\tab.wav",
                             "/x/ STRINGTABLE .mid", "/x/star*/ok.bmp", "/x/\xe9t\xe9.cur"}) {
        EXPECT_EQ(ScriptCannotHold(held, false), PathProblem::None) << held;
    }
    EXPECT_EQ(ScriptCannotHold("/x/star*/a.txt", true), PathProblem::CommentEnd);
    EXPECT_EQ(ScriptCannotHold("/x/line\nbreak.bmp", false), PathProblem::LineBreak);
    EXPECT_EQ(ScriptCannotHold("/x/return\r.bmp", false), PathProblem::LineBreak);
    EXPECT_EQ(ScriptCannotHold(std::string("/x/n\0l.bmp", 10), false), PathProblem::Nul);
    EXPECT_EQ(ScriptCannotHold("/x/end\x1aof.bmp", false), PathProblem::EndOfText);
    EXPECT_EQ(ScriptCannotHold("/x/say\"hi\".bmp", true), PathProblem::Quote);
}

TEST(ScriptSafety, NamesAreNumbersOrWordsThatBeginNoStatement) {
    for (const char* name : {"Bitmap_1", "_x", "a.b", "Z9", "0", "65535", "begin", "BITMAP"})
        EXPECT_TRUE(IsScriptName(name)) << name;
    for (const char* name : {"",          "65536",    "000000",      "1a",      "-1",
                             "a-b",       "a b",      "a\"b",        "a/b",     "a:b",
                             "\xc3\xa9",  "LANGUAGE", "Stringtable", "version", "characteristics",
                             "rcinclude", "MenuItem", "popup",       "VALUE",   "block"}) {
        EXPECT_FALSE(IsScriptName(name)) << name;
    }
}

TEST(ScriptSafety, AWrittenScriptIsCheckedAgainstTheListItWasWrittenFrom) {
    const std::vector<ResourceEntry> entries = {{"Bitmap_1", " BITMAP ", "", ResourceEntry::QuoteFile("/a/b.bmp")},
                                                {"Icon_1", " ICON ", "", ResourceEntry::QuoteFile("/a/i,j.ico")}};
    const std::string script = WriteScriptText(entries, "x.rc").value_or("");
    EXPECT_FALSE(CheckScriptHolds(entries, script));
    // A script that lost a line, or that gives a field back otherwise, names the entry.
    const std::string cut = script.substr(0, script.rfind("Icon_1"));
    EXPECT_EQ(CheckScriptHolds(entries, cut).kind, ScriptFault::Reload);
    EXPECT_EQ(CheckScriptHolds(entries, cut).entry, "Icon_1");
    std::vector<ResourceEntry> other = entries;
    other[0].file = ResourceEntry::QuoteFile("/a/c.bmp");
    EXPECT_EQ(CheckScriptHolds(other, script).entry, "Bitmap_1");
    // Names and file names are looked at before the reload.
    other = entries;
    other[1].name = "bad name";
    EXPECT_EQ(CheckScriptHolds(other, script).kind, ScriptFault::Name);
    other = entries;
    other[1].file = ResourceEntry::QuoteFile("/a/two\nlines.ico");
    EXPECT_EQ(CheckScriptHolds(other, WriteScriptText(other, "x.rc").value_or("")).kind, ScriptFault::File);
}

}  // namespace
}  // namespace restallow
