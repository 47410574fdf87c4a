// Data blocks are encoded while they are parsed and the script's tokens are read as the parser
// needs them: the bytes, the places and the order of errors stay those of a whole read.
#include <string>

#include "RcTestSupport.h"
#include "parse/Literal.h"
#include "parse/Parser.h"
#include "resformat/TextCodec.h"

namespace rc::test {
namespace {

std::string DataOf(const std::string& script) {
    const OwnedRes res = ReadRes(CompileText(script));
    EXPECT_EQ(res.entries().size(), 1u);
    return res.entries().empty() ? std::string() : std::string(res.entries()[0].data);
}

std::string Error(const std::string& script) {
    ScratchDir dir;
    const CompileResult result = Compile(dir.write("s.rc", script), dir.path("s.res"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(std::filesystem::exists(dir.path("s.res")));
    const std::size_t name = result.error.find("s.rc(");
    return name == std::string::npos ? result.error : result.error.substr(name);
}

std::string Words(std::initializer_list<std::uint16_t> values) {
    std::string bytes;
    for (const std::uint16_t value : values)
        bytes += std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    return bytes;
}

TEST(StreamedData, StringsReadAsTheirCodePagesSayWithTabsQuotesAndEscapes) {
    // Plain strings, and those that need the literal reader: a tab counts to the next multiple of
    // 8 from the column the string stands at (two strings on one line), "" is one quote, \x41 a
    // byte, a character outside ASCII is read in the input code page and written in the output one.
    EXPECT_EQ(DataOf("X RCDATA { \"a\tb\", \"\tc\" }\n"), "a   b   c");
    EXPECT_EQ(DataOf("X RCDATA { \"say \"\"hi\"\"\", \"\\x41\\\\\" }\n"), "say \"hi\"A\\");
    EXPECT_EQ(DataOf("X RCDATA { L\"ab\", L\"\\x263a\",\nL\"a\tb\" }\n"),
              Words({'a', 'b', 0x263A, 'a', ' ', ' ', ' ', ' ', ' ', 'b'}));
    EXPECT_EQ(DataOf("X RCDATA { \"plain text 123\" }\n"), "plain text 123");
    EXPECT_EQ(DataOf("X RCDATA { L\"say \"\"hi\"\"\" }\n"), Words({'s', 'a', 'y', ' ', '"', 'h', 'i', '"'}));
    // A string over two lines counts its tab from where it starts, in its first line.
    EXPECT_EQ(DataOf("X RCDATA { \"a\tb\nc\" }\n"), "a   b \nc");
    // UTF-8 in the script, written narrow in 1252, which has no Zhe.
    EXPECT_EQ(DataOf("X RCDATA { \"caf\xC3\xA9\" }\n"), "caf\xE9");
    EXPECT_EQ(DataOf("#pragma code_page(65001)\nX RCDATA { \"ab\", \"\xD0\x96\" }\n"), "ab?");
    EXPECT_EQ(DataOf("#pragma code_page(1251)\nX RCDATA { \"ab\", L\"\xC6\" }\n"), "ab" + Words({0x0416}));
}

TEST(StreamedData, ABlockOfManyValuesKeepsEveryValueAndTheDirectivesBetweenThem) {
    // Far more values than the parser keeps tokens of, with a code page change inside the block
    // and a number whose sign stands right before it across the point where tokens are dropped.
    std::string script = "#pragma code_page(1252)\nX RCDATA {\n";
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        if (i == 12000) script += "#pragma code_page(1251)\n";
        script += std::to_string(i) + ", -" + std::to_string(i) + "L, L\"\xC6\"\n";
        expected += Words({static_cast<std::uint16_t>(i)});
        const std::uint32_t negative = 0u - static_cast<std::uint32_t>(i);
        expected += Words({static_cast<std::uint16_t>(negative & 0xFFFF), static_cast<std::uint16_t>(negative >> 16)});
        expected += Words({static_cast<std::uint16_t>(i < 12000 ? 0x00C6 : 0x0416)});  // the byte in 1252, then in 1251
    }
    script += "}\n";
    EXPECT_EQ(DataOf(script), expected);
}

TEST(StreamedData, AControlWithALargeDataBlockKeepsTheDialogWhole) {
    std::string script = "D DIALOGEX 0, 0, 100, 50 CAPTION \"c\" {\n  CONTROL \"x\", 7, \"BUTTON\", 0, 1, 2, 3, 4 {";
    std::string data;
    for (int i = 0; i < 9000; ++i) {
        script += " " + std::to_string(i % 100) + ",";
        data += Words({static_cast<std::uint16_t>(i % 100)});
    }
    script += " }\n  LTEXT \"after\", 8, 1, 1, 1, 1\n}\n";
    const OwnedRes res = ReadRes(CompileText(script));
    ASSERT_EQ(res.entries().size(), 1u);
    const std::string_view dialog = res.entries()[0].data;
    EXPECT_NE(dialog.find(data), std::string_view::npos);
    const std::string after = Words({'a', 'f', 't', 'e', 'r', 0});
    EXPECT_NE(dialog.find(after, dialog.find(data) + data.size()), std::string_view::npos);
}

TEST(StreamedData, AnErrorOfTheTokensLaterInTheScriptComesBeforeAStatementError) {
    // The script is read whole before it is compiled: a string never closed or a byte no token
    // may hold is reported wherever it stands, before the bad statement above it.
    EXPECT_EQ(Error("X RCDATA { 1 2 NOPE }\nY RCDATA { 3 }\nZ RCDATA { \"open\n"),
              "s.rc(3): error: unterminated string");
    EXPECT_EQ(Error("X ICON\nY RCDATA { 1 }\nZ RCDATA { @ }\n"),
              "s.rc(3): error: unexpected character '@' outside a string");
    // Without such an error the statement's own error is given.
    EXPECT_EQ(
        Error("X RCDATA { 1 NOPE }\nY RCDATA { 3 }\n"),
        "s.rc(1): error: 'NOPE' is not defined: a number is expected here (is the header that defines it included?)");
}

TEST(StreamedData, StatementsCompiledAsParsedStillGiveASyntaxErrorBelowThemFirst) {
    // Each statement is compiled once parsed; its error waits for the rest of the script, so a
    // missing file or a duplicate string id above a syntax error does not hide that error.
    const std::string syntax =
        "s.rc(3): error: 'NOPE' is not defined: a number is expected here (is the header that defines it included?)";
    EXPECT_EQ(Error("1 ICON \"missing.ico\"\n2 RCDATA { 1 }\n3 RCDATA { 1 NOPE }\n"), syntax);
    EXPECT_EQ(Error("STRINGTABLE { 1, \"a\" }\nSTRINGTABLE { 1, \"b\" }\n3 RCDATA { 1 NOPE }\n"), syntax);
    // Without one, the first statement error is given, not a later one.
    const std::string first = Error("1 ICON \"first.ico\"\n2 ICON \"second.ico\"\n");
    EXPECT_NE(first.find("first.ico"), std::string::npos) << first;
    EXPECT_EQ(first.find("second.ico"), std::string::npos) << first;
}

TEST(StreamedData, TheParserReadsTextAsItReadsTheTokensOfTheWholeText) {
    const std::string text =
        "#pragma code_page(1251)\nA RCDATA { -1, 2L, \"\xC6\", L\"w\" }\nSTRINGTABLE { 1, \"s\" }\n"
        "B DIALOG 0, 0, 9, 9 { CONTROL \"c\", 1, \"BUTTON\", 0, 0, 0, 1, 1 { 5 } }\n";
    Parser streamed(text, "t.rc", {});
    Parser whole(Tokenize(text, "t.rc"), {});
    int statements = 0;
    while (true) {
        std::optional<Statement> a = streamed.Next();
        std::optional<Statement> b = whole.Next();
        ASSERT_EQ(a.has_value(), b.has_value());
        if (!a) break;
        ++statements;
        ASSERT_EQ(a->index(), b->index());
        if (const auto* data = std::get_if<ResourceStmt>(&*a)) {
            EXPECT_EQ(data->data, std::get<ResourceStmt>(*b).data);
        }
        if (const auto* dialog = std::get_if<DialogStmt>(&*a)) {
            EXPECT_EQ(dialog->controls.at(0).data, std::get<DialogStmt>(*b).controls.at(0).data);
        }
    }
    EXPECT_EQ(statements, 3);
}

}  // namespace
}  // namespace rc::test
