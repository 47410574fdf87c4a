// Loading scripts back: recognition, entry and string-table lines, counters and the Start-ID.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "resources/ScriptReader.h"
#include "resources/ScriptWriter.h"
#include "resources/TextLines.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

ResourceEntry Entry(std::string name, std::string type, std::string path, std::string id = {}) {
    return {std::move(name), std::move(type), std::move(id), ResourceEntry::QuoteFile(path)};
}

std::string Header() { return ScriptHeader("t.rc"); }

// The script of entries that must write; a failure is reported and gives an empty text.
std::string Written(const std::vector<ResourceEntry>& entries, std::string_view scriptPath) {
    fileaccess::Result<std::string> script = WriteScriptText(entries, scriptPath);
    if (!script) ADD_FAILURE() << script.error().message;
    return script.value_or("");
}

// Why the loading stopped; empty when it read the whole script.
std::string Problem(const LoadedScript& loaded) {
    return loaded.status ? std::string() : loaded.status.error().message;
}

class ScriptReaderTest : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(ScriptReaderTest, EveryKindLoadsBackToTheSameEntriesCountersAndBytes) {
    const std::string texts = dir.write("texts/greet.txt", "Hello\r\nsay STRINGTABLE here, \"STRINGTABLE\" x\r\n");
    const std::string more = dir.write("more strings.txt", "1\n2\n3\n");
    std::vector<ResourceEntry> plain = {
        Entry("AniCursor_1", " ANICURSOR ", "/r/a.ani"),
        Entry("Animation_1", " ANIMATION ", "/r/a.avi"),
        Entry("Bitmap_1", " BITMAP ", "/r/b b.bmp"),
        Entry("Cursor_1", " CURSOR ", "/r/c.cur"),
        Entry("GIF_1", " GIF ", "/r/g.gif"),
        Entry("Icon_1", " ICON ", "/r/i.ico"),
        Entry("Inclusion_1", " INCLUDE ", "/r/defs.inc"),
        Entry("JPEG_1", " JPEG ", "/r/j.jpg"),
        Entry("JPEG_2", " JPEG ", "/r/k.jpeg"),
        Entry("MIDI_1", " MIDI ", "/r/m.mid"),
        Entry("Wave_1", " WAVE ", "/r/w,1.wav"),
        Entry("Font_1", " TTFONT ", "/r/f.ttf"),
        Entry("RCDATA_1", " RCDATA ", "/r/data.tar.gz"),
        Entry("my\"name", " BITMAP ", "/r/q\"uote.bmp"),
    };
    std::vector<ResourceEntry> entries = plain;
    entries.push_back(Entry("Strings_1", " STRINGTABLE ", texts, "2000"));
    entries.push_back(Entry("Strings_2", " STRINGTABLE ", more, "0100"));

    const std::string script = Written(entries, "all.rc");
    const LoadedScript loaded = ParseScript(script);
    ASSERT_TRUE(loaded.recognised);
    EXPECT_EQ(Problem(loaded), "");
    EXPECT_EQ(loaded.entries, entries);
    EXPECT_EQ(loaded.startId, NextStartID(100, 3));
    for (int kind = 0; kind < kKindCount; ++kind) {
        const int expected = kind == 2                               ? 2
                             : kind == kJpgKind || kind == kJpegKind ? 2
                             : kind == kStringTableKind              ? 2
                                                                     : 1;
        EXPECT_EQ(loaded.counters.value(kind), expected) << "kind " << kind;
    }
    EXPECT_EQ(Written(loaded.entries, "all.rc"), script);
}

TEST_F(ScriptReaderTest, ForeignScriptsAreNotLoaded) {
    const LoadedScript loaded = ParseScript("Bitmap_1 BITMAP \"x.bmp\"\r\n");
    EXPECT_FALSE(loaded.recognised);
    EXPECT_TRUE(loaded.entries.empty());
    std::string late(9, '\n');
    EXPECT_FALSE(ParseScript(late + "/* Created by Orvel Resource Tallowin+ */\nB BITMAP  \"x\"\n").recognised);
}

TEST_F(ScriptReaderTest, CreatedByLineMovedUpTurnsTheNameLineIntoAnEntry) {
    const std::string script =
        "// Created by Orvel Resource Tallowin+\r\n/*~  \"demo.rc\"   ~*/\r\nBitmap_1 BITMAP  \"/a.bmp\"\r\n";
    const LoadedScript loaded = ParseScript(script);
    ASSERT_TRUE(loaded.recognised);
    ASSERT_EQ(loaded.entries.size(), 2u);
    EXPECT_EQ(loaded.entries[0].name, "/*~");
    EXPECT_EQ(loaded.entries[1].path(), "/a.bmp");
}

TEST_F(ScriptReaderTest, StartIdFollowsTheLastStringTable) {
    const std::string five = dir.write("five.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n");
    std::string twentyFiveLines;
    for (int i = 0; i < 25; ++i) twentyFiveLines += "line\r\n";
    const std::string many = dir.write("many.txt", twentyFiveLines);
    const LoadedScript loaded = ParseScript(
        Written({Entry("Strings_1", " STRINGTABLE ", five, "2000"), Entry("Strings_2", " STRINGTABLE ", many, "3000")},
                "t.rc"));
    EXPECT_EQ(loaded.startId, 3030);
}

TEST_F(ScriptReaderTest, NonNumericStringIdProposesFromTwoThousand) {
    const std::string text = dir.write("a.txt", "x\r\n");
    const LoadedScript loaded = ParseScript(Header() + "/* S STRINGTABLE abc \"" + text + "\" */\r\n");
    ASSERT_EQ(loaded.entries.size(), 1u);
    EXPECT_EQ(loaded.startId, 2010);
}

TEST_F(ScriptReaderTest, UnknownKeywordsLoadButAreCountedByNoKind) {
    const LoadedScript loaded = ParseScript(Header() + "Thing_1 DIALOG  \"/x.dlg\"\r\n");
    ASSERT_EQ(loaded.entries.size(), 1u);
    EXPECT_EQ(loaded.entries[0].type, " DIALOG ");
    EXPECT_EQ(loaded.counters, KindCounters());
}

TEST_F(ScriptReaderTest, MissingTextFileStopsTheLoadButKeepsTheEntriesBefore) {
    const std::string script = Header() + "Bitmap_1 BITMAP  \"/a.bmp\"\r\n/* Strings_1 STRINGTABLE 2000 \"" +
                               dir.stdPath("gone.txt") + "\" */\r\nIcon_1 ICON  \"/i.ico\"\r\n";
    const LoadedScript loaded = ParseScript(script);
    ASSERT_EQ(loaded.entries.size(), 1u);
    EXPECT_EQ(loaded.entries[0].name, "Bitmap_1");
    EXPECT_NE(Problem(loaded).find("gone.txt"), std::string::npos);

    const LoadedScript unnamed = ParseScript(Header() + "/* Strings_1 STRINGTABLE 2000 */\r\n");
    EXPECT_TRUE(unnamed.entries.empty());
    EXPECT_EQ(Problem(unnamed), "No text file named in line 13");
}

TEST_F(ScriptReaderTest, LinesEndingInLineFeedsOnlyLoadToo) {
    std::string script = Header() + "Bitmap_1 BITMAP  \"/a.bmp\"\r\n";
    std::string unix;
    for (char c : script) {
        if (c != '\r') unix += c;
    }
    const LoadedScript loaded = ParseScript(unix);
    ASSERT_TRUE(loaded.recognised);
    ASSERT_EQ(loaded.entries.size(), 1u);
    EXPECT_EQ(loaded.entries[0].file, " \"/a.bmp\"");
}

TEST_F(ScriptReaderTest, StringIdOutsideTheSixteenBitsIsRefusedLikeAnUnreadableTextFile) {
    const std::string ten = dir.write("ten.txt", "0\r1\r2\r3\r4\r5\r6\r7\r8\r9\r");
    const auto script = [&](const std::string& id) {
        return Written({Entry("Bitmap_1", " BITMAP ", "/a.bmp")}, "t.rc") + "/* Strings_1 STRINGTABLE " + id + " \"" +
               ten + "\" */\r\n";
    };
    const LoadedScript fits = ParseScript(script("65526"));
    EXPECT_EQ(Problem(fits), "");
    EXPECT_EQ(fits.entries.size(), 2u);
    for (const std::string id : {"65527", "-1", "99999999999999999999", "9223372036854775807"}) {
        const LoadedScript refused = ParseScript(script(id));
        EXPECT_NE(Problem(refused).find("does not fit the string ids 0 to 65535"), std::string::npos)
            << id << Problem(refused);
        EXPECT_NE(Problem(refused).find(id), std::string::npos) << Problem(refused);
        ASSERT_EQ(refused.entries.size(), 1u) << id;  // the entries before it stay
        EXPECT_FALSE(refused.startId.has_value()) << id;
    }
    // A StringID that is no number at all still gives the proposal 2000, as before.
    EXPECT_EQ(ParseScript(script("abc")).startId, 2020);
}

TEST_F(ScriptReaderTest, TextFileThatIsAFolderOrFifoIsAnErrorNotAHang) {
    const std::string folder = dir.path("folder.txt").toStdString();
    std::filesystem::create_directory(folder);
    const std::string fifo = dir.path("fifo.txt").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {folder, fifo, std::string("/dev/zero")}) {
        const LoadedScript loaded = ParseScript(Header() + "/* Strings_1 STRINGTABLE 1 \"" + path + "\" */\r\n");
        EXPECT_NE(Problem(loaded).find(path), std::string::npos) << Problem(loaded);
        EXPECT_NE(Problem(loaded).find("not a file"), std::string::npos) << Problem(loaded);
        EXPECT_TRUE(loaded.entries.empty());
    }
}

}  // namespace
}  // namespace restallow
