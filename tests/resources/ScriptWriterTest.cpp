// The script text: header, entry lines and string-table blocks, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "resources/ScriptWriter.h"
#include "resources/TextLines.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

ResourceEntry Entry(std::string name, std::string type, std::string path, std::string id = {}) {
    return {std::move(name), std::move(type), std::move(id), ResourceEntry::QuoteFile(path)};
}

TEST(ScriptWriter, OneBitmapSavedAsDemoGivesTheThirteenLineScript) {
    const std::string expected = test::TempDir::read(RESTALLOW_TEST_DATA "/demo.rc");
    ASSERT_FALSE(expected.empty());
    const std::string script =
        WriteScriptText({Entry("Bitmap_1", " BITMAP ", "C:\\Art\\logo.bmp")}, "/home/me/projects/demo.rc");
    EXPECT_EQ(script, expected);
    EXPECT_EQ(SplitLines(script).size(), 13u);
}

TEST(ScriptWriter, HeaderLinesAreSeventyNineCharactersUnlessTheNameIsLonger) {
    const std::string stem(65, 'n');  // stem + "x.rc" is 69 characters long, the longest that fits
    for (const std::string& name : {std::string("a.rc"), stem + "x.rc", stem + "xy.rc"}) {
        const std::string header = ScriptHeader("/dir/" + name);  // the lines point into it
        const auto lines = SplitLines(header);
        ASSERT_EQ(lines.size(), 12u) << name;
        EXPECT_TRUE(lines[11].empty());
        for (std::size_t i = 0; i < 11; ++i) {
            if (i == 6 && name.size() > 69) {
                EXPECT_EQ(lines[i], "/*~  \"" + name + "\"~*/");
            } else {
                EXPECT_EQ(lines[i].size(), 79u) << "line " << i + 1 << " of " << name;
            }
        }
    }
}

TEST(ScriptWriter, PlainEntriesComeFirstThenStringTablesAndIncludesStay) {
    test::TempDir dir;
    const std::string text = dir.write("greet.txt", "Hello\r\nWorld\r\n");
    const std::string script = WriteScriptText(
        {Entry("Strings_1", " STRINGTABLE ", text, "2000"), Entry("Bitmap_1", " BITMAP ", "/a/logo.bmp"),
         Entry("Inclusion_1", " INCLUDE ", "/a/defs.inc"), Entry("Icon_1", " ICON ", "/a/i.ico")},
        "x.rc");
    const std::string body = script.substr(ScriptHeader("x.rc").size());
    EXPECT_EQ(body,
              "Bitmap_1 BITMAP  \"/a/logo.bmp\"\r\n"
              "Inclusion_1 INCLUDE  \"/a/defs.inc\"\r\n"
              "Icon_1 ICON  \"/a/i.ico\"\r\n"
              "\r\n"
              "/* Strings_1 STRINGTABLE 2000 \"" + text + "\" */\r\n"
              "\r\n"
              "STRINGTABLE\r\n"
              "{\r\n"
              " 2000, \"Hello\"\r\n"
              " 2001, \"World\"\r\n"
              "}\r\n");
}

TEST(ScriptWriter, StringLinesAreWrittenUnchangedAndNumberedFromTheStartId) {
    test::TempDir dir;
    const std::string text = dir.write("odd.txt", "say \"hi\"\rC:\\dir\\\nlast\x1aignored");
    const std::string empty = dir.write("empty.txt", "");
    const std::string script = WriteScriptText(
        {Entry("Strings_1", " STRINGTABLE ", text, "0100"), Entry("Strings_2", " STRINGTABLE ", empty, "7")}, "x.rc");
    EXPECT_NE(script.find(" 100, \"say \"hi\"\"\r\n 101, \"C:\\dir\\\"\r\n 102, \"last\"\r\n}"), std::string::npos);
    EXPECT_NE(script.find("/* Strings_1 STRINGTABLE 0100 \""), std::string::npos);
    EXPECT_NE(script.find("STRINGTABLE\r\n{\r\n}\r\n"), std::string::npos);
}

TEST(ScriptWriter, UnreadableTextFileOrBadStringIdStopsTheWriting) {
    test::TempDir dir;
    const std::string text = dir.write("t.txt", "a");
    EXPECT_THROW(WriteScriptText({Entry("S", " STRINGTABLE ", dir.stdPath("gone.txt"), "1")}, "x.rc"), FileError);
    EXPECT_THROW(WriteScriptText({Entry("S", " STRINGTABLE ", text, "1-")}, "x.rc"), FileError);
    EXPECT_THROW(WriteScriptText({{"S", " STRINGTABLE ", "1", " \""}}, "x.rc"), FileError);
}

TEST(ScriptWriter, TextFileReplacedByAFolderAndIdsPastSixteenBitsAreErrors) {
    test::TempDir dir;
    const std::string folder = dir.path("t.txt").toStdString();
    std::filesystem::create_directory(folder);
    try {
        WriteScriptText({Entry("S", " STRINGTABLE ", folder, "1")}, "x.rc");
        ADD_FAILURE() << "a folder was read as a text file";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("it is a folder"), std::string::npos) << error.what();
    }
    const std::string two = dir.write("two.txt", "a\rb\r");
    EXPECT_NO_THROW(WriteScriptText({Entry("S", " STRINGTABLE ", two, "65534")}, "x.rc"));
    EXPECT_THROW(WriteScriptText({Entry("S", " STRINGTABLE ", two, "65535")}, "x.rc"), FileError);
    EXPECT_THROW(WriteScriptText({Entry("S", " STRINGTABLE ", two, "-5")}, "x.rc"), FileError);
    EXPECT_THROW(WriteScriptText({Entry("S", " STRINGTABLE ", two, "9223372036854775807")}, "x.rc"), FileError);
}

}  // namespace
}  // namespace restallow
