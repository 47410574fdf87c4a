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

// The script for entries that must write; a failure is reported and gives an empty text.
std::string Written(const std::vector<ResourceEntry>& entries, std::string_view scriptPath) {
    fileaccess::Result<std::string> script = WriteScriptText(entries, scriptPath);
    if (!script) ADD_FAILURE() << script.error().message;
    return script.value_or("");
}

// Why writing the entries fails; empty when they are written.
std::string Refusal(const std::vector<ResourceEntry>& entries) {
    const fileaccess::Result<std::string> script = WriteScriptText(entries, "x.rc");
    return script ? std::string() : script.error().message;
}

TEST(ScriptWriter, OneBitmapSavedAsDemoGivesTheThirteenLineScript) {
    const std::string expected = test::TempDir::read(RESTALLOW_TEST_DATA "/demo.rc");
    ASSERT_FALSE(expected.empty());
    const std::string script =
        Written({Entry("Bitmap_1", " BITMAP ", "C:\\Art\\logo.bmp")}, "/home/me/projects/demo.rc");
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
    const std::string script =
        Written({Entry("Strings_1", " STRINGTABLE ", text, "2000"), Entry("Bitmap_1", " BITMAP ", "/a/logo.bmp"),
                 Entry("Inclusion_1", " INCLUDE ", "/a/defs.inc"), Entry("Icon_1", " ICON ", "/a/i.ico")},
                "x.rc");
    const std::string body = script.substr(ScriptHeader("x.rc").size());
    EXPECT_EQ(body,
              "Bitmap_1 BITMAP  \"/a/logo.bmp\"\r\n"
              "Inclusion_1 INCLUDE  \"/a/defs.inc\"\r\n"
              "Icon_1 ICON  \"/a/i.ico\"\r\n"
              "\r\n"
              "/* Strings_1 STRINGTABLE 2000 \"" +
                  text +
                  "\" */\r\n"
                  "\r\n"
                  "STRINGTABLE\r\n"
                  "{\r\n"
                  " 2000, \"Hello\"\r\n"
                  " 2001, \"World\"\r\n"
                  "}\r\n");
}

TEST(ScriptWriter, StringLinesAreWrittenAsScriptStringsAndNumberedFromTheStartId) {
    test::TempDir dir;
    const std::string text = dir.write("odd.txt", "say \"hi\"\rC:\\dir\\\nlast\x1aignored");
    const std::string empty = dir.write("empty.txt", "");
    const std::string script = Written(
        {Entry("Strings_1", " STRINGTABLE ", text, "0100"), Entry("Strings_2", " STRINGTABLE ", empty, "7")}, "x.rc");
    EXPECT_NE(script.find(" 100, \"say \"\"hi\"\"\"\r\n 101, \"C:\\dir\\\"\r\n 102, \"last\"\r\n}"), std::string::npos);
    EXPECT_NE(script.find("/* Strings_1 STRINGTABLE 0100 \""), std::string::npos);
    EXPECT_NE(script.find("STRINGTABLE\r\n{\r\n}\r\n"), std::string::npos);
}

// Quotes are doubled; backslash escapes keep their meaning, except a numeric one the compiler
// refuses, whose backslash is doubled so that it stays text.
TEST(ScriptWriter, EscapesWhatAScriptStringNeeds) {
    EXPECT_EQ(EscapeStringText("plain text"), "plain text");
    EXPECT_EQ(EscapeStringText("\"quoted\" \"\""), "\"\"quoted\"\" \"\"\"\"");
    EXPECT_EQ(EscapeStringText("line\\n tab\\t \\x41 \\101 end\\"), "line\\n tab\\t \\x41 \\101 end\\");
    EXPECT_EQ(EscapeStringText("\\777 \\400 \\377"), "\\\\777 \\\\400 \\377");                    // octal above 255
    EXPECT_EQ(EscapeStringText("\xc3\xa9 \\xff \\x7f \\200"), "\xc3\xa9 \\\\xff \\x7f \\\\200");  // UTF-8 text
    EXPECT_EQ(EscapeStringText("\xe9 \\xff"), "\xe9 \\xff");  // Windows-1252 text takes any byte
    EXPECT_EQ(EscapeStringText("\\\\777"), "\\\\777");        // an escaped backslash, then text
}

TEST(ScriptWriter, UnreadableTextFileOrBadStringIdStopsTheWriting) {
    test::TempDir dir;
    const std::string text = dir.write("t.txt", "a");
    EXPECT_NE(Refusal({Entry("S", " STRINGTABLE ", dir.stdPath("gone.txt"), "1")}).find("gone.txt"), std::string::npos);
    EXPECT_EQ(Refusal({Entry("S", " STRINGTABLE ", text, "1-")}), "'1-' is not a valid integer value");
    EXPECT_NE(Refusal({{"S", " STRINGTABLE ", "1", " \""}}), "");
}

TEST(ScriptWriter, TextFileReplacedByAFolderAndIdsPastSixteenBitsAreErrors) {
    test::TempDir dir;
    const std::string folder = dir.path("t.txt").toStdString();
    std::filesystem::create_directory(folder);
    const std::string folderRefused = Refusal({Entry("S", " STRINGTABLE ", folder, "1")});
    EXPECT_NE(folderRefused.find("it is a folder"), std::string::npos) << folderRefused;
    const std::string two = dir.write("two.txt", "a\rb\r");
    EXPECT_EQ(Refusal({Entry("S", " STRINGTABLE ", two, "65534")}), "");
    for (const char* id : {"65535", "-5", "9223372036854775807"}) {
        EXPECT_NE(Refusal({Entry("S", " STRINGTABLE ", two, id)}).find("does not fit the string ids"),
                  std::string::npos)
            << id;
    }
}

}  // namespace
}  // namespace restallow
