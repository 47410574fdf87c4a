// Bad MENU, VERSIONINFO and ACCELERATORS input: one "file(line): error:" each, no output.
#include <string>

#include "RcTestSupport.h"
#include "parse/Parser.h"

namespace rc::test {
namespace {

using StatementErrorTest = BadInputTest;

std::string Nested(const std::string& open, const std::string& inner, int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += open + "\n";
    text += inner;
    for (int i = 0; i < depth; ++i) text += " END";
    return text + "\n";
}

TEST_F(StatementErrorTest, MenusWithItemsOutOfPlaceOrUnclosed) {
    ExpectEach({
        {"item outside a menu", "1 MENU { MENUITEM \"a\", 1 }\nMENUITEM \"b\", 2\n", 2,
         "MENUITEM outside a MENU or POPUP"},
        {"popup outside a menu", "POPUP \"b\" { }\n", 1, "POPUP outside a MENU or POPUP"},
        {"unterminated BEGIN", "1 MENU\nBEGIN\n POPUP \"a\"\n BEGIN\n  MENUITEM \"b\", 1\n", 4,
         "block is not closed by END or '}'"},
        {"item without id", "1 MENU {\n MENUITEM \"a\" }", 2, "expected the id of the menu item, found '}'"},
        {"unknown option", "1 MENU {\n MENUITEM \"a\", 1, BOLD }", 2,
         "expected a MENUITEM option (CHECKED, GRAYED, HELP, INACTIVE, MENUBARBREAK, MENUBREAK, OWNERDRAW, BITMAP), "
         "found 'BOLD'"},
        {"MENUEX in 16 bits", "\n7 MENUEX { MENUITEM \"a\" }", 2,
         "MENUEX needs 32-bit output: Windows 3.x has no MENUEX resource (compile without -31)", true},
        {"16-bit text outside 1252", "1 MENU {\n MENUITEM \"\xE6\x97\xA5\", 1 }", 2,
         "the menu text holds a character that code page 1252 cannot hold (U+65E5)", true},
    });
}

TEST_F(StatementErrorTest, NestingDeeperThanTheLimitIsRefusedWithItsLine) {
    ExpectEach({
        {"popups", "1 MENU {\n" + Nested("POPUP \"p\" {", "MENUITEM \"a\", 1", kMaxNesting) + "}", kMaxNesting + 1,
         "POPUP nested too deeply (more than 64 levels)"},
        {"blocks", "1 VERSIONINFO {\n" + Nested("BLOCK \"b\" {", "VALUE \"a\", 1", kMaxNesting + 1) + "}",
         kMaxNesting + 2, "BLOCK nested too deeply (more than 64 levels)"},
    });
}

TEST_F(StatementErrorTest, VersionInfoOutOfRangeOrOutOfPlace) {
    ExpectEach({
        {"five parts", "1 VERSIONINFO\nPRODUCTVERSION 1,2,3,4,5\n{ }", 2, "a version has at most four parts"},
        {"unterminated BEGIN", "1 VERSIONINFO\nBEGIN\n BLOCK \"a\"\n BEGIN\n  VALUE \"b\", 1\n", 4,
         "block is not closed by END or '}'"},
        {"VALUE at the top", "VALUE \"a\", 1\n", 1, "VALUE outside a BLOCK"},
        {"unknown field", "1 VERSIONINFO\nFILEDATE 1\n{ }", 2,
         "expected a VERSIONINFO field (FILEVERSION, PRODUCTVERSION, FILEFLAGSMASK, FILEFLAGS, FILEOS, FILETYPE, "
         "FILESUBTYPE) or BEGIN, found 'FILEDATE'"},
        {"16-bit short number too large", "1 VERSIONINFO { BLOCK \"b\" {\n VALUE \"a\", 70000 } }", 2,
         "number 70000 does not fit in 16 bits (write it with L)", true},
        {"value over 65535 bytes",
         "1 VERSIONINFO { BLOCK \"b\" {\n VALUE \"a\", \"" + std::string(40000, 'x') + "\" } }", 2,
         "VALUE of 80014 bytes; at most 65535 fit"},
        {"16-bit text outside 1252", "1 VERSIONINFO { BLOCK \"b\" {\n VALUE \"a\", \"\xE6\x97\xA5\" } }", 2,
         "the VERSIONINFO text holds a character that code page 1252 cannot hold (U+65E5)", true},
    });
}

TEST_F(StatementErrorTest, AcceleratorEventsThatNameNoKey) {
    ExpectEach({
        {"caret alone", "1 ACCELERATORS {\n \"^\", 1 }", 2, "accelerator \"^\" needs a letter after '^'"},
        {"caret digit", "1 ACCELERATORS {\n \"^1\", 1 }", 2, "accelerator \"^1\": '^' must be followed by a letter"},
        {"three letters", "1 ACCELERATORS {\n \"abc\", 1 }", 2,
         "accelerator \"abc\" is too long: one character, or two"},
        {"empty", "1 ACCELERATORS {\n \"\", 1 }", 2, "accelerator \"\" is empty"},
        {"unknown option", "1 ACCELERATORS {\n \"a\", 1, META }", 2,
         "expected ASCII, VIRTKEY, NOINVERT, SHIFT, CONTROL or ALT, found 'META'"},
        {"unterminated", "1 ACCELERATORS\n{\n \"a\", 1\n", 2, "block is not closed by END or '}'"},
        {"16-bit key outside 1252", "1 ACCELERATORS {\n \"\xE6\x97\xA5\", 1 }", 2,
         "the accelerator holds a character that code page 1252 cannot hold (U+65E5)", true},
    });
}

TEST_F(StatementErrorTest, ToolbarsWithoutSizeOrWithOtherWords) {
    ExpectEach({
        {"no height", "1 TOOLBAR 16\n{ }", 2, "expected ',' and the button height, found '{'"},
        {"unknown word", "1 TOOLBAR 16, 15 {\n BUTTON 1\n SPACER }", 3,
         "expected BUTTON, SEPARATOR or END, found 'SPACER'"},
        {"unterminated", "1 TOOLBAR 16, 15\n{\n BUTTON 1\n", 2, "block is not closed by END or '}'"},
    });
}

TEST_F(StatementErrorTest, StringsOverTheFormatsLimit) {
    ExpectEach({
        {"string-table string of 65,536 characters", "STRINGTABLE {\n 1, \"" + std::string(65536, 'x') + "\" }", 2,
         "string longer than 65535 characters"},
    });
}

TEST_F(StatementErrorTest, FontsTheDirectoryCannotReferTo) {
    ExpectEach({
        {"named font", "F FONT " + Data("small.fnt"), 1,
         "a FONT needs a number as its name: the font directory refers to it by number"},
        {"too short in 16 bits", "1 FONT { 1, 2 }", 1,
         "not a Windows font file: 4 bytes, shorter than the 113-byte font header", true},
    });
}

}  // namespace
}  // namespace rc::test
