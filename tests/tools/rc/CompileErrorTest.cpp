// Bad input: one clear "file(line): error: text", no output file, an older output untouched.
#include "RcTestSupport.h"

namespace rc::test {
namespace {

using CompileErrorTest = BadInputTest;

TEST_F(CompileErrorTest, FilesThatAreMissingOrNotWhatTheStatementSays) {
    const std::string missing = dir.path("gone.bmp").string();
    ExpectEach({
        {"missing file", "\n\nB BITMAP \"" + missing + "\"\n", 3,
         "cannot open file \"" + missing + "\": No such file or directory"},
        {"not a bitmap", "B BITMAP " + Data("not_a_bitmap.bmp"), 1,
         Data("not_a_bitmap.bmp") + " is not a bitmap file (it does not start with \"BM\")"},
        {"truncated icon", "// icon\nI ICON " + Data("truncated.ico"), 2,
         Data("truncated.ico") + ": truncated icon directory: 10 images announced, the file ends before their entries"},
        {"cursor as icon", "I ICON " + Data("mono.cur"), 1, Data("mono.cur") + " is a cursor file, not an icon file"},
    });
}

TEST_F(CompileErrorTest, ScriptTextThatDoesNotParse) {
    ExpectEach({
        {"unterminated string", "S RCDATA { \"open\n }", 1, "unterminated string"},
        {"unterminated block", "S RCDATA\nBEGIN 1, 2\n", 2, "block is not closed by END or '}'"},
        {"unterminated string table", "STRINGTABLE\n{\n 1, \"a\"\n", 2, "STRINGTABLE is not closed by END or '}'"},
        {"unterminated comment", "/* never closed\nB BITMAP \"x\"", 1, "unterminated comment"},
        {"undefined string id", "STRINGTABLE {\n IDS_HELLO, \"hi\" }", 2,
         "'IDS_HELLO' is not defined: a number is expected here (is the header that defines it included?)"},
        {"duplicate id", "STRINGTABLE { 5, \"a\" }\nSTRINGTABLE {\n 5, \"b\" }", 3,
         "duplicate string id 5 (first defined at " + dir.path("bad.rc").string() + "(1))"},
        {"unknown directive", "#definee X 1\n", 1, "unknown preprocessor directive #definee"},
        {"missing file name", "B BITMAP\n", 2, "expected a file name, found end of file"},
        {"item of a block", "D RCDATA\nBEGIN\n 1, 2,\n IDR_MISSING, 4\nEND\n", 4,
         "'IDR_MISSING' is not defined: a number is expected here (is the header that defines it included?)"},
        {"control id",
         "#include <windows.h>\nD DIALOG 0, 0, 9, 9\nBEGIN\n LTEXT \"a\", IDC_FORGOTTEN, 2, 3, 4, 5\nEND\n", 4,
         "'IDC_FORGOTTEN' is not defined: a number is expected here (is the header that defines it included?)"},
        {"style of a control", "D DIALOG 0, 0, 9, 9\nBEGIN\n EDITTEXT 1, 2, 3, 4, 5,\n   ES_FORGOTTEN\nEND\n", 4,
         "'ES_FORGOTTEN' is not defined: a number is expected here (is the header that defines it included?)"},
        {"menu item", "M MENU\nBEGIN\n MENUITEM \"a\", ID_FORGOTTEN\nEND\n", 3,
         "'ID_FORGOTTEN' is not defined: a number is expected here (is the header that defines it included?)"},
    });
}

TEST_F(CompileErrorTest, StringsA16BitFileCannotHold) {
    ExpectEach({
        {"300-byte string", "STRINGTABLE {\n 1, \"" + std::string(300, 'x') + "\" }", 2,
         "string of 300 bytes; a 16-bit string table holds at most 255", true},
        {"character outside 1252", "STRINGTABLE {\n\n 1, \"\xE6\x97\xA5\" }", 3,
         "the string holds a character that code page 1252 cannot hold (U+65E5)", true},
    });
}

TEST_F(CompileErrorTest, MissingScriptAndUnwritableOutputLeaveNothing) {
    const CompileResult missing = Compile(dir.path("none.rc"), dir.path("none.res"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error,
              "error: cannot open script \"" + dir.path("none.rc").string() + "\": No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(dir.path("none.res")));
    const auto script = dir.write("ok.rc", "D RCDATA { 1 }");
    EXPECT_FALSE(Compile(script, dir.path("no/such/folder/out.res")).ok);
}

// rc.exe reads a quoted file name's escapes ("res\\\\x.bmp" is res\\x.bmp); one written with single
// backslashes ("res\\toolbar.bmp", whose \\t is a tab) is found as written where the other is not.
TEST(CompilePaths, AFileNameWithSingleBackslashesIsFoundAsWritten) {
    ScratchDir dir;
    const std::string bitmap = ReadBytes(DataDir() / "rle4.bmp");
    dir.write("res/toolbar.bmp", bitmap);
    const auto script = dir.write("s.rc", "1 BITMAP \"res\\toolbar.bmp\"\n2 BITMAP \"res\\\\toolbar.bmp\"\n");
    ASSERT_TRUE(Compile(script, dir.path("s.res")).ok);
    const OwnedRes file = ReadRes(ReadBytes(dir.path("s.res")));
    ASSERT_EQ(file.entries().size(), 2u);
    EXPECT_TRUE(file.entries()[0].data == std::string_view(bitmap).substr(14));
    EXPECT_TRUE(file.entries()[1].data == file.entries()[0].data);
}

TEST(CompilePaths, BlanksAndNonAsciiLettersInPathsAndIncludes) {
    ScratchDir dir;
    const std::string bitmap = ReadBytes(DataDir() / "rle4.bmp");
    const auto art = dir.write("my folder/Bild \xC3\xA4 1.bmp", bitmap);
    dir.write("inc dir/defs.rc", "Inc RCDATA { \"included\" }\n");
    dir.write("my folder/local.rc", "Local RCDATA { 7 }\n");
    const auto script = dir.write("my folder/main script.rc",
                                  "#include \"local.rc\"\n#include \"defs.rc\"\n#pragma code_page(1252)\n"
                                  "B BITMAP \"" +
                                      art.string() +
                                      "\"\nR BITMAP \"Bild \xC3\xA4 1.bmp\"\n"
                                      "STRINGTABLE { 1, \"caf\xE9\" }\n");
    CompileOptions options;
    options.script = script.string();
    options.output = dir.path("out put.res").string();
    options.includeDirs = {dir.path("inc dir").string()};
    const CompileResult result = CompileScript(options);
    ASSERT_TRUE(result.ok) << result.error;
    const OwnedRes file = ReadRes(ReadBytes(options.output));
    ASSERT_EQ(file.entries().size(), 5u);
    EXPECT_EQ(IdText(file.entries()[0].name), "LOCAL");
    EXPECT_EQ(IdText(file.entries()[1].name), "INC");
    EXPECT_TRUE(file.entries()[2].data == std::string_view(bitmap).substr(14));
    EXPECT_TRUE(file.entries()[3].data == file.entries()[2].data);
    // Under code page 1252 the byte E9 is an e with acute accent, stored as UTF-16.
    EXPECT_EQ(std::string(file.entries()[4].data.substr(2, 10)), std::string("\x04\0c\0a\0f\0\xE9\0", 10));
}

}  // namespace
}  // namespace rc::test
