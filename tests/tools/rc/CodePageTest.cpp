// Scripts in code pages other than 1252 and 65001 (zig rc reads only those two, so the expected
// text here is the code page's own): read through iconv, as rc.exe reads every Windows code page.
#include <algorithm>
#include <tuple>

#include "RcTestSupport.h"
#include "resformat/Bytes.h"

namespace rc::test {
namespace {

// The first string of a compiled string-table block, as UTF-16.
std::u16string FirstString(std::string_view block) {
    const std::uint16_t length = ReadU16(block, 0);
    std::u16string text;
    for (std::uint16_t i = 0; i < length; ++i) text += static_cast<char16_t>(ReadU16(block, 2 + 2 * i));
    return text;
}

const ResEntry* Entry(const OwnedRes& res, std::uint16_t type) {
    const auto found = std::find_if(res.entries().begin(), res.entries().end(),
                                    [&](const ResEntry& entry) { return entry.type == ResourceId::Number(type); });
    return found == res.entries().end() ? nullptr : &*found;
}

// "Привет" in code page 1251, "שלום" in 1255 (as nsis's Hebrew script has it).
const std::string kCyrillic1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
const std::string kHebrew1255 = "\xF9\xEC\xE5\xED";

TEST(CodePage, PragmaCodePageReadsTheScriptInAnyWindowsCodePage) {
    for (const auto& [page, bytes, text] : {std::tuple{"1251", kCyrillic1251, std::u16string(u"Привет")},
                                            std::tuple{"1255", kHebrew1255, std::u16string(u"שלום")}}) {
        SCOPED_TRACE(page);
        const OwnedRes res =
            ReadRes(CompileText(std::string("#pragma code_page(") + page + ")\nSTRINGTABLE { 0, \"" + bytes +
                                "\" }\n"
                                "1 DIALOG 0, 0, 9, 9 CAPTION \"" +
                                bytes + "\" {}\n"));
        const ResEntry* strings = Entry(res, 6);
        ASSERT_NE(strings, nullptr);
        EXPECT_EQ(FirstString(strings->data), text);
        const ResEntry* dialog = Entry(res, 5);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->data.substr(22, text.size() * 2),
                  std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2));
    }
}

// The first #pragma code_page sets only the code page the script is read in: narrow strings are
// still written in 1252 ('?' for what it lacks); each later one, or -c, also sets that one.
TEST(CodePage, NarrowStringsAreWrittenInTheOutputCodePage) {
    const std::string data = "1 RCDATA { \"" + kCyrillic1251 + "\" }\n";
    const OwnedRes first = ReadRes(CompileText("#pragma code_page(1251)\n" + data));
    ASSERT_EQ(first.entries().size(), 1u);
    EXPECT_EQ(first.entries()[0].data, "??????");
    const OwnedRes second = ReadRes(CompileText("#pragma code_page(1251)\n#pragma code_page(1251)\n" + data));
    ASSERT_EQ(second.entries().size(), 1u);
    EXPECT_EQ(second.entries()[0].data, kCyrillic1251);
    ScratchDir dir;
    CompileOptions options;
    options.script = dir.write("s.rc", data).string();
    options.output = dir.path("s.res").string();
    options.codePage = 1251;
    ASSERT_TRUE(CompileScript(options).ok);
    const OwnedRes given = ReadRes(ReadBytes(options.output));
    ASSERT_EQ(given.entries().size(), 1u);
    EXPECT_EQ(given.entries()[0].data, kCyrillic1251);
}

// rc.exe reads #pragma code_page only in the script itself, not in a file it includes.
TEST(CodePage, APragmaOfAnIncludedFileIsIgnored) {
    ScratchDir dir;
    dir.write("inc.rc", "#pragma code_page(1251)\n");
    const auto script = dir.write("s.rc", "#include \"inc.rc\"\nSTRINGTABLE { 0, \"\xE9\" }\n");
    ASSERT_TRUE(Compile(script, dir.path("s.res")).ok);
    const OwnedRes res = ReadRes(ReadBytes(dir.path("s.res")));
    ASSERT_EQ(res.entries().size(), 1u);
    EXPECT_EQ(FirstString(res.entries()[0].data), u"\u00E9");  // 1252's e acute, not 1251's
}

using CodePageErrorTest = BadInputTest;

TEST_F(CodePageErrorTest, CodePagesTheSystemCannotConvert) {
    ExpectEach({
        {"no such code page", "#pragma code_page(4)\n", 1, "unsupported code page '4'"},
        {"leading zero", "\n#pragma code_page(01252)\n", 2, "unsupported code page '01252'"},
        {"no parentheses", "#pragma code_page 1252\n", 1,
         "#pragma code_page needs a code page in parentheses: #pragma code_page 1252"},
    });
}

}  // namespace
}  // namespace rc::test
