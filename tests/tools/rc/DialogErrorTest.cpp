// DIALOG statements that must fail: one "file(line): error: text", no output, an older output kept.
#include "RcTestSupport.h"

namespace rc::test {
namespace {

class DialogErrorTest : public BadInputTest {
protected:
    static std::string Controls(int count, const char* keyword = "DIALOG") {
        std::string script = std::string("D ") + keyword + " 0, 0, 9, 9\nBEGIN\n";
        for (int i = 0; i < count; ++i) script += "LTEXT \"\", -1, 0, 0, 1, 1\n";
        return script + "END\n";
    }
};

TEST_F(DialogErrorTest, ControlsWithTooFewArguments) {
    ExpectEach({
        {"LTEXT", "D DIALOG 0, 0, 9, 9\nBEGIN\n LTEXT \"a\", 1, 2, 3\nEND\n", 3,
         "too few arguments for LTEXT (text, id, x, y, width, height)"},
        {"trailing comma", "D DIALOG 0, 0, 9, 9\nBEGIN\n EDITTEXT 1, 2, 3, 4,\n}\n", 3,
         "too few arguments for EDITTEXT (id, x, y, width, height)"},
        {"CONTROL",
         "D DIALOGEX 0, 0, 9, 9\nBEGIN\n CONTROL \"a\", 1, \"Button\", 0, 1, 2\n PUSHBUTTON \"b\", 2, 0, 0, 1, "
         "1\nEND\n",
         3, "too few arguments for CONTROL (text, id, class, style, x, y, width, height)"},
        {"ICON", "D DIALOG 0, 0, 9, 9\nBEGIN\n ICON \"i\", 1, 2\nEND\n", 3,
         "too few arguments for ICON (icon, id, x, y)"},
        {"end of file", "D DIALOG 0, 0, 9, 9\nBEGIN\n\n CHECKBOX \"a\", 1", 4,
         "too few arguments for CHECKBOX (text, id, x, y, width, height)"},
    });
}

TEST_F(DialogErrorTest, UnterminatedBlocks) {
    ExpectEach({
        {"DIALOG", "D DIALOG 0, 0, 9, 9\nSTYLE 0\nBEGIN\n LTEXT \"a\", 1, 2, 3, 4, 5\n", 3,
         "DIALOG is not closed by END or '}'"},
        {"DIALOGEX", "D DIALOGEX 0, 0, 9, 9\n{\n", 2, "DIALOGEX is not closed by END or '}'"},
        {"control data", "D DIALOGEX 0, 0, 9, 9\n{\n LTEXT \"a\", 1, 2, 3, 4, 5\n BEGIN 1, 2\n", 4,
         "block is not closed by END or '}'"},
        {"no block", "D DIALOG 0, 0, 9, 9\nSTYLE 0\n", 3, "expected a DIALOG option or BEGIN, found end of file"},
    });
}

TEST_F(DialogErrorTest, MoreControlsThanTheTemplateCounts) {
    ExpectEach({
        {"32-bit", Controls(65536), 65538, "more than 65535 controls in a dialog"},
        {"16-bit", Controls(256), 258, "more than 255 controls in a 16-bit dialog", true},
    });
}

TEST_F(DialogErrorTest, TextThat16BitFilesCannotHold) {
    ExpectEach({
        {"caption", "D DIALOG 0, 0, 9, 9\nCAPTION \"\xE6\x97\xA5\"\n{}", 2,
         "the caption holds a character that code page 1252 cannot hold (U+65E5)", true},
        {"control text", "D DIALOG 0, 0, 9, 9\n{\n\n LTEXT \"a \xE2\x98\xBA\", 1, 0, 0, 1, 1\n}", 4,
         "the control text holds a character that code page 1252 cannot hold (U+263A)", true},
        {"font", "D DIALOG 0, 0, 9, 9\nFONT 8, L\"\\x263A\"\n{}", 2,
         "the font name holds a character that code page 1252 cannot hold (U+263A)", true},
        {"DIALOGEX", "\nD DIALOGEX 0, 0, 9, 9 {}", 2,
         "DIALOGEX needs 32-bit output; Windows 3.x has only DIALOG (leave out -31)", true},
        {"class number", "D DIALOG 0, 0, 9, 9 {\n CONTROL \"a\", 1, 0x100, 0, 0, 0, 1, 1\n}", 2,
         "control class number 256 cannot be written in a 16-bit dialog (0x80 to 0xFF)", true},
        // Where a field holds a name or a number, the first byte tells them apart.
        {"text like a number", "#pragma code_page(1252)\nD DIALOG 0, 0, 9, 9 {\n LTEXT \"\xFFx\", 1, 0, 0, 1, 1\n}", 3,
         "the control text cannot begin with the byte 0xFF in a 16-bit dialog: it would read as a number", true},
        {"class like a class byte",
         "#pragma code_page(1252)\nD DIALOG 0, 0, 9, 9 {\n CONTROL \"\xE9t\", 1, \"\xE9t\", 0, 0, 0, 1, 1\n}", 3,
         "the class name cannot begin with the byte 0xE9 in a 16-bit dialog: it would read as a number", true},
        {"32-bit text like a number", "D DIALOG 0, 0, 9, 9 {\n LTEXT L\"\\xFFFFx\", 1, 0, 0, 1, 1\n}", 2,
         "the control text cannot begin with U+FFFF: it would read as a number"},
    });
}

TEST_F(DialogErrorTest, DeepExpressionsStopWithAnError) {
    std::string minus;
    for (int i = 0; i < 30000; ++i) minus += "- ";
    ExpectEach({
        {"parentheses",
         "D DIALOG 0, 0, 9, 9\nSTYLE\n" + std::string(20000, '(') + "1" + std::string(20000, ')') + "\n{}", 3,
         "expression nested too deeply"},
        {"minus signs", "D DIALOG 0, 0, 9, 9\n{\n LTEXT \"a\", 1, " + minus + "1, 0, 1, 1\n}", 3,
         "expression nested too deeply"},
    });
}

// The 32-bit format keeps the low 16 bits of each number, as rc.exe writes them (the zig golden
// dialog_values pins that); the 16-bit format refuses what it cannot hold.
TEST_F(DialogErrorTest, ValuesTheTemplateCannotHold) {
    ExpectEach({
        {"16-bit id", "D DIALOG 0, 0, 9, 9\n{\n LTEXT \"a\", 70000, 0, 0, 1, 1\n}", 3,
         "control id 70000 does not fit in 16 bits", true},
        {"coordinate", "D DIALOG 0, 0, 9, 9\n{\n LTEXT \"a\", 1, 40000, 0, 1, 1\n}", 3,
         "control x-coordinate 40000 does not fit in 16 bits (-32768 to 32767)", true},
        {"negative width", "\nD DIALOG 0, 0, -9, 9 {}", 2, "dialog width cannot be negative", true},
        {"style", "D DIALOG 0, 0, 9, 9\nSTYLE 0xFFFF0000 {}", 1,
         "the upper 16 bits of a DIALOG style cannot be 0xFFFF"},
        {"text number", "D DIALOG 0, 0, 9, 9 {\n ICON 0x10000, 1, 0, 0\n}", 2,
         "control text number 65536 does not fit in 16 bits", true},
    });
}

TEST_F(DialogErrorTest, StatementsThatDoNotBelong) {
    ExpectEach({
        {"extended font", "D DIALOG 0, 0, 9, 9\nFONT 8, \"A\", 700\n{}", 2,
         "FONT weight, italic and charset need DIALOGEX"},
        {"unknown option", "D DIALOG 0, 0, 9, 9\nTITLE \"x\"\n{}", 2,
         "expected a DIALOG option or BEGIN, found 'TITLE'"},
        {"unknown control", "D DIALOG 0, 0, 9, 9 {\n BUTTON \"x\", 1, 0, 0, 1, 1\n}", 2,
         "expected a control or END, found 'BUTTON'"},
        {"unknown class", "D DIALOG 0, 0, 9, 9 {\n CONTROL \"x\", 1, TRACKBAR, 0, 0, 0, 1, 1\n}", 2,
         "unknown control class 'TRACKBAR' (BUTTON, EDIT, STATIC, LISTBOX, SCROLLBAR, COMBOBOX or a string)"},
        {"menu name at the end", "D DIALOG 0, 0, 9, 9\nMENU\n", 3, "expected menu name, found end of file"},
        {"menu name a comma", "D DIALOG 0, 0, 9, 9\nMENU ,\n{}", 2, "expected menu name, found ','"},
        {"caption without quotes", "D DIALOG 0, 0, 9, 9\nCAPTION Hello\n{}", 2,
         "expected a caption in double quotes, found 'Hello'"},
        {"text without quotes", "D DIALOG 0, 0, 9, 9 {\n LTEXT Hello, 1, 0, 0, 1, 1\n}", 2,
         "expected a text in double quotes for LTEXT, found 'Hello'"},
    });
}

}  // namespace
}  // namespace rc::test
