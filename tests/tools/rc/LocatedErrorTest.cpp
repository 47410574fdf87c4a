// The preprocessor's parts throw CompileError at the line they were given: the message reads
// "file(line): error: ..." without a caller adding the place afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver/Compiler.h"
#include "preprocess/MacroExpander.h"
#include "preprocess/MacroTable.h"
#include "preprocess/PpExpression.h"
#include "preprocess/PpLexer.h"
#include "resformat/Diagnostic.h"

namespace rc::test {
namespace {

const Location kWhere{std::make_shared<const std::string>("dir/s.rc"), 7};

// The text of the CompileError that `work` throws, or a note that it threw none.
template <typename Work>
std::string Thrown(Work work) {
    try {
        work();
    } catch (const CompileError& error) {
        return error.text();
    }
    return "(no error)";
}

TEST(LocatedError, ConditionsMacrosAndExpansionsNameTheLineTheyWereGiven) {
    EXPECT_EQ(Thrown([] { EvaluateCondition(LexLine("1 / 0"), kWhere); }),
              "dir/s.rc(7): error: division by zero in #if");
    EXPECT_EQ(Thrown([] { EvaluateCondition(LexLine("0x"), kWhere); }),
              "dir/s.rc(7): error: invalid number '0x' in #if");
    EXPECT_EQ(Thrown([] { EvaluateCondition(LexLine(std::string(1000, '(') + "1"), kWhere); }),
              "dir/s.rc(7): error: #if expression nested too deeply");
    MacroTable macros;
    EXPECT_EQ(Thrown([&] { macros.Define(LexLine("#define F(a, a) a"), 2, kWhere); }),
              "dir/s.rc(7): error: duplicate parameter 'a' of macro 'F'");
    EXPECT_EQ(Thrown([&] { macros.Define(LexLine("#define defined 1"), 2, kWhere); }),
              "dir/s.rc(7): error: 'defined' cannot be a macro name");
    macros.Define(LexLine("#define G(a, b) a b"), 2, kWhere);
    MacroExpander expander(macros, kWhere);
    EXPECT_EQ(Thrown([&] { expander.Expand(LexLine("G(1)")); }),
              "dir/s.rc(7): error: macro 'G' takes 2 arguments, 1 given");
    // __LINE__ and __FILE__ read the same place.
    expander.Start({kWhere.file, 12});
    const std::vector<PpToken> expanded = expander.Expand(LexLine("__LINE__ __FILE__"));
    ASSERT_EQ(expanded.size(), 2u);
    EXPECT_EQ(expanded[0].text, "12");
    EXPECT_EQ(expanded[1].text, "\"dir/s.rc\"");
}

TEST(LocatedError, AnOpenCommentEndsTheLinesAndSaysWhereItStarts) {
    LineReader reader("one\ntwo /* never\nclosed\n");
    LogicalLine line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.view(), "one");
    EXPECT_FALSE(reader.Next(line));
    EXPECT_EQ(reader.openCommentLine(), 2);
    LineReader closed("a /* b */ c\n");
    ASSERT_TRUE(closed.Next(line));
    EXPECT_FALSE(closed.Next(line));
    EXPECT_EQ(closed.openCommentLine(), 0);
}

TEST(LocatedError, ScriptErrorsOfTheseLinesReachTheCallerWithFileAndLine) {
    CompileOptions options;
    options.script = "s.rc";  // the loader below gives its text
    options.output = "/nonexistent/never.res";
    const auto compile = [&](const std::string& text) {
        options.load = [text](const std::string&) -> fileaccess::Result<std::string> { return text; };
        return CompileScript(options).error;
    };
    const std::string file = options.script;
    EXPECT_EQ(compile("\n\n#if 1 +\n#endif\n"), file + "(3): error: #if expression ends too early");
    EXPECT_EQ(compile("#define F(a) a\n\nF(1, 2)\n"), file + "(3): error: macro 'F' takes 1 argument, 2 given");
    EXPECT_EQ(compile("X RCDATA { 1 }\n/* open\n"), file + "(2): error: unterminated comment");
    EXPECT_EQ(compile("#line 40 \"other.rc\"\n#undef\n"), "other.rc(40): error: #undef needs a macro name");
    EXPECT_EQ(compile("#line x\n"), file + "(1): error: #line needs a line number");
    EXPECT_EQ(compile("#line 99999999999\n"), file + "(1): error: bad line number '99999999999'");
    // A -D option has no place in a file: the option is named instead.
    options.macros = {{"F(a, a)", "1", false}};
    EXPECT_EQ(compile("X RCDATA { 1 }\n"), "error: -D F(a, a): duplicate parameter 'a' of macro 'F'");
}

}  // namespace
}  // namespace rc::test
