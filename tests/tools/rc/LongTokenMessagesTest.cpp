// Messages that quote script text cut it to 60 characters: its start, "..." and its end.
#include "PpTestSupport.h"
#include "resformat/Diagnostic.h"

namespace rc::test {
namespace {

// A token of a megabyte and how every message shows it.
const std::string kBig = "A" + std::string(999998, 'x') + "Z";
const std::string kShown = "A" + std::string(39, 'x') + "..." + std::string(16, 'x') + "Z";

TEST(ShortText, KeepsShortTextAndCutsLongTextOutsideUtf8Sequences) {
    EXPECT_EQ(ShortText(std::string(60, 'a')), std::string(60, 'a'));
    EXPECT_EQ(ShortText(kBig), kShown);
    EXPECT_EQ(ShortText(kBig).size(), 60u);
    EXPECT_EQ(QuotedText("name", '"'), "\"name\"");
    // 100 two-byte characters: 20 of them before "...", 8 after, none cut in half.
    std::string accents;
    for (int i = 0; i < 100; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(ShortText(accents), accents.substr(0, 40) + "..." + accents.substr(0, 16));
}

class LongTokenMessages : public BadInputTest {};

TEST_F(LongTokenMessages, ParserMessagesCutTheTokenTheyQuote) {
    ExpectEach({
        {"expected, found", "LANGUAGE \"" + kBig + "\"\n", 1, "expected a number, found '" + kShown + "'"},
        {"undefined name", "STRINGTABLE { " + kBig + ", \"x\" }\n", 1,
         "'" + kShown + "' is not defined: a number is expected here (is the header that defines it included?)"},
        {"code page", "#pragma code_page(" + kBig + ")\n", 1, "unsupported code page '" + kShown + "'"},
        {"accelerator", "1 ACCELERATORS { \"" + kBig + "\", 1 }\n", 1,
         "accelerator \"" + kShown + "\" is too long: one character, or two"},
        {"control class", "1 DIALOG 0, 0, 9, 9 { CONTROL \"x\", 1, " + kBig + ", 0, 0, 0, 1, 1 }\n", 1,
         "unknown control class '" + kShown + "' (BUTTON, EDIT, STATIC, LISTBOX, SCROLLBAR, COMBOBOX or a string)"},
        {"resource file", "B BITMAP \"" + kBig + "\"\n", 1, "cannot read file \"" + kShown + "\": File name too long"},
    });
}

TEST_F(LongTokenMessages, PreprocessorMessagesCutTheTokenTheyQuote) {
    ExpectEach({
        {"directive", "#" + kBig + "\n", 1, "unknown preprocessor directive #" + kShown},
        {"parameter", "#define F(" + kBig + ", " + kBig + ") 1\n", 1,
         "duplicate parameter '" + kShown + "' of macro 'F'"},
        {"#if number", "#if 0" + kBig + "\n#endif\n", 1,
         "invalid number '0" + kShown.substr(0, 39) + "..." + kShown.substr(43) + "' in #if"},
        {"arguments", "#define " + kBig + "(a) a\n" + kBig + "(1, 2)\n", 2,
         "macro '" + kShown + "' takes 1 argument, 2 given"},
        {"pasting", "#define P(a, b) a ## b\nP(" + kBig + ", +)\n", 2,
         "pasting \"" + kShown + "\" and \"+\" in macro 'P' does not give one token"},
        {"include", "#include \"" + kBig + "\"\n", 1, "cannot find include file \"" + kShown + "\""},
        {"system include", "#include <" + kBig + ">\n", 1, "cannot find include file <" + kShown + ">"},
    });
}

}  // namespace
}  // namespace rc::test
