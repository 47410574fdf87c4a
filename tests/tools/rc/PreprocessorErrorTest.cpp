// Bad input for the preprocessor: one "file(line): error: text", no output, no hang, no crash.
#include <sys/stat.h>

#include "PpTestSupport.h"

namespace rc::test {
namespace {

// The cases name no "what": each message is told apart by its text.
class PreprocessorError : public PpTest {
protected:
    void ExpectEach(std::initializer_list<BadCase> cases) { ExpectEachFails(dir, cases); }
};

TEST_F(PreprocessorError, ConditionalsThatDoNotPair) {
    dir.write("open.h", "#ifdef NEVER\n");
    ExpectEach({
        {"", "\n#if 1\n#ifdef X\n#endif\n", 2, "#if without #endif"},
        {"", "#ifndef X\n#else\n#else\n#endif\n", 3, "#else after #else (the first #else is at line 2)"},
        {"", "#if 0\n#else\n#elif 1\n#endif\n", 3, "#elif after #else (the first #else is at line 2)"},
        {"", "A RCDATA { 1 }\n#endif\n", 2, "#endif without #if"},
        {"", "#else\n", 1, "#else without #if"},
        // Each file must close its own conditionals.
        {"", "#include \"open.h\"\n#endif\n", 1, "#ifdef without #endif", false, "open.h"},
    });
}

TEST_F(PreprocessorError, MacrosThatCannotExpand) {
    // Doubling at each level would give 2^40 tokens.
    std::string doubling = "#define M0 x\n";
    for (int i = 1; i <= 40; ++i)
        doubling +=
            "#define M" + std::to_string(i) + " M" + std::to_string(i - 1) + " M" + std::to_string(i - 1) + "\n";
    ExpectEach({
        // A name inside its own expansion stays a name, as in C: here one that is no number.
        {"", "#define A B\n#define B A\nX RCDATA { A }\n", 3,
         "'A' is not defined: a number is expected here (is the header that defines it included?)"},
        {"", "#define F(a, b) a b\nF(1, 2, 3)\n", 2, "macro 'F' takes 2 arguments, 3 given"},
        {"", "#define G(a) a\nG()\nG(1, 2)\n", 3, "macro 'G' takes 1 argument, 2 given"},
        {"", "#define F(a) a\nF(1,\n", 2, "unterminated argument list of macro 'F'"},
        {"", "#define F(a) a\nF(1,\n/* open\n", 3, "unterminated comment"},
        {"", "#define F(a, a) a\n", 1, "duplicate parameter 'a' of macro 'F'"},
        {"", "#define\n", 1, "#define needs a macro name"},
        {"", "#define J(a) ## a\n", 1, "'##' cannot be at either end of macro 'J'"},
        {"", doubling + "M40\n", 42, "macro expansion grows too large"},
    });
}

TEST_F(PreprocessorError, ExpressionsThatCannotBeEvaluated) {
    ExpectEach({
        {"", "#if 1 / (2 - 2)\n#endif\n", 1, "division by zero in #if"},
        {"", "#if 5 % 0\n#endif\n", 1, "division by zero in #if"},
        {"", "#if " + std::string(100000, '(') + "1" + std::string(100000, ')') + "\n#endif\n", 1,
         "#if expression nested too deeply"},
        {"", "#if " + std::string(100000, '!') + "1\n#endif\n", 1, "#if expression nested too deeply"},
        {"", "#if --1\n#endif\n", 1, "unexpected '--' in #if"},
        {"", "#if 1 +\n#endif\n", 1, "#if expression ends too early"},
        {"", "#if (1\n#endif\n", 1, "expected ')' in #if"},
        {"", "#if\n#endif\n", 1, "#if needs an expression"},
        {"", "#if 1 2\n#endif\n", 1, "unexpected '2' in #if"},
        {"", "#if defined(\n#endif\n", 1, "'defined' needs a macro name"},
        {"", "#if 09\n#endif\n", 1, "invalid number '09' in #if"},
    });
}

TEST_F(PreprocessorError, IncludesThatCannotBeRead) {
    std::filesystem::create_directories(dir.path("folder.h"));
    ASSERT_EQ(mkfifo(dir.path("pipe.rc").c_str(), 0600), 0);
    ExpectEach({
        {"", "\n#include <nothere.h>\n", 2, "cannot find include file <nothere.h>"},
        {"", "#include \"nothere.rc\"\n", 1, "cannot find include file \"nothere.rc\""},
        {"", "#include nothere.rc\n", 1, "#include needs a file name in double quotes or angle brackets"},
        {"", "#include \"folder.h\"\n", 1, "cannot read include file \"folder.h\": it is a folder, not a file"},
        {"", "#include \"pipe.rc\"\n", 1,
         "cannot read include file \"pipe.rc\": it is a FIFO (named pipe), not a file"},
        {"", "rcinclude /dev/null\n", 1, "cannot read include file \"/dev/null\": it is a device, not a file"},
    });
    // The script itself is read the same way.
    EXPECT_EQ(Compile(dir.path("pipe.rc"), dir.path("out.res")).error,
              "error: cannot open script \"" + Path("pipe.rc") + "\": it is a FIFO (named pipe), not a file");
    EXPECT_EQ(Compile(dir.path("folder.h"), dir.path("out.res")).error,
              "error: cannot open script \"" + Path("folder.h") + "\": it is a folder, not a file");
}

TEST_F(PreprocessorError, IncludesNestedTooDeeplyOrIncludingThemselves) {
    for (int i = 0; i < 70; ++i)
        dir.write("n" + std::to_string(i) + ".rc", "#include \"n" + std::to_string(i + 1) + ".rc\"\n");
    dir.write("n70.rc", "END\n");
    ExpectEach({
        {"", "A\n#include \"bad.rc\"\n", 2, "#include nested more than 64 deep (\"bad.rc\" includes itself)"},
        {"", "#include \"n0.rc\"\n", 1, "#include nested more than 64 deep", false, "n62.rc"},
    });
    // 63 levels are fine.
    dir.write("n62.rc", "LEAF\n");
    const PpRun run = Run("#include \"n0.rc\"\n");
    EXPECT_TRUE(run.ok) << run.error;
    EXPECT_EQ(run.text, "LEAF\n");
}

TEST_F(PreprocessorError, ErrorDirectivesAndBadLinesNameTheirFile) {
    dir.write("inc/check.h", "#ifndef NEEDED\n#error NEEDED must be defined\n#endif\n");
    options.includeDirs = {Path("inc")};
    const PpRun run = Run("#include <check.h>\n");
    EXPECT_EQ(run.error, Path("inc/check.h") + "(2): error: #error NEEDED must be defined");
    dir.write("comment.h", "\n/* never closed\n");
    ExpectEach({
        {"", "#frobnicate\n", 1, "unknown preprocessor directive #frobnicate"},
        {"", "#line x\n", 1, "#line needs a line number"},
        {"", "#include \"comment.h\"\n", 2, "unterminated comment", false, "comment.h"},
    });
    EXPECT_EQ(Run("#line 100 \"other.rc\"\n#error moved\n").error, "other.rc(100): error: #error moved");
}

}  // namespace
}  // namespace rc::test
