// Bad input for the preprocessor: one "file(line): error: text", no output, no hang, no crash.
#include <sys/stat.h>

#include "PpTestSupport.h"

namespace rc::test {
namespace {

class PreprocessorError : public PpTest {
protected:
    // Compiles `script` and expects exactly `message` at `file`(`line`), and no output file.
    void Expect(const std::string& script, const std::string& file, int line, const std::string& message) {
        SCOPED_TRACE(script.substr(0, 80));
        const auto path = dir.write("main.rc", script);
        const CompileResult result = Compile(path, dir.path("main.res"));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, Path(file) + "(" + std::to_string(line) + "): error: " + message);
        EXPECT_FALSE(std::filesystem::exists(dir.path("main.res")));
    }
};

TEST_F(PreprocessorError, ConditionalsThatDoNotPair) {
    Expect("\n#if 1\n#ifdef X\n#endif\n", "main.rc", 2, "#if without #endif");
    Expect("#ifndef X\n#else\n#else\n#endif\n", "main.rc", 3, "#else after #else (the first #else is at line 2)");
    Expect("#if 0\n#else\n#elif 1\n#endif\n", "main.rc", 3, "#elif after #else (the first #else is at line 2)");
    Expect("A RCDATA { 1 }\n#endif\n", "main.rc", 2, "#endif without #if");
    Expect("#else\n", "main.rc", 1, "#else without #if");
    // Each file must close its own conditionals.
    dir.write("open.h", "#ifdef NEVER\n");
    Expect("#include \"open.h\"\n#endif\n", "open.h", 1, "#ifdef without #endif");
}

TEST_F(PreprocessorError, MacrosThatCannotExpand) {
    Expect("#define A B\n#define B A\nX RCDATA { A }\n", "main.rc", 3, "macro 'A' refers to itself (recursive macro)");
    Expect("#define SELF (SELF + 1)\n#if SELF\n#endif\n", "main.rc", 2, "macro 'SELF' refers to itself (recursive macro)");
    Expect("#define F(a, b) a b\nF(1, 2, 3)\n", "main.rc", 2, "macro 'F' takes 2 arguments, 3 given");
    Expect("#define G(a) a\nG()\nG(1, 2)\n", "main.rc", 3, "macro 'G' takes 1 argument, 2 given");
    Expect("#define F(a) a\nF(1,\n", "main.rc", 2, "unterminated argument list of macro 'F'");
    Expect("#define F(a) a\nF(1,\n/* open\n", "main.rc", 3, "unterminated comment");
    Expect("#define F(a, a) a\n", "main.rc", 1, "duplicate parameter 'a' of macro 'F'");
    Expect("#define\n", "main.rc", 1, "#define needs a macro name");
    Expect("#define J(a) ## a\n", "main.rc", 1, "'##' cannot be at either end of macro 'J'");
    // Doubling at each level would give 2^40 tokens.
    std::string doubling = "#define M0 x\n";
    for (int i = 1; i <= 40; ++i) doubling += "#define M" + std::to_string(i) + " M" + std::to_string(i - 1) + " M" + std::to_string(i - 1) + "\n";
    Expect(doubling + "M40\n", "main.rc", 42, "macro expansion grows too large");
}

TEST_F(PreprocessorError, ExpressionsThatCannotBeEvaluated) {
    Expect("#if 1 / (2 - 2)\n#endif\n", "main.rc", 1, "division by zero in #if");
    Expect("#if 5 % 0\n#endif\n", "main.rc", 1, "division by zero in #if");
    Expect("#if " + std::string(100000, '(') + "1" + std::string(100000, ')') + "\n#endif\n", "main.rc", 1,
           "#if expression nested too deeply");
    Expect("#if " + std::string(100000, '!') + "1\n#endif\n", "main.rc", 1, "#if expression nested too deeply");
    Expect("#if --1\n#endif\n", "main.rc", 1, "unexpected '--' in #if");
    Expect("#if 1 +\n#endif\n", "main.rc", 1, "#if expression ends too early");
    Expect("#if (1\n#endif\n", "main.rc", 1, "expected ')' in #if");
    Expect("#if\n#endif\n", "main.rc", 1, "#if needs an expression");
    Expect("#if 1 2\n#endif\n", "main.rc", 1, "unexpected '2' in #if");
    Expect("#if defined(\n#endif\n", "main.rc", 1, "'defined' needs a macro name");
    Expect("#if 09\n#endif\n", "main.rc", 1, "invalid number '09' in #if");
}

TEST_F(PreprocessorError, IncludesThatCannotBeRead) {
    Expect("\n#include <nothere.h>\n", "main.rc", 2, "cannot find include file <nothere.h>");
    Expect("#include \"nothere.rc\"\n", "main.rc", 1, "cannot find include file \"nothere.rc\"");
    Expect("#include nothere.rc\n", "main.rc", 1, "#include needs a file name in double quotes or angle brackets");
    std::filesystem::create_directories(dir.path("folder.h"));
    Expect("#include \"folder.h\"\n", "main.rc", 1, "cannot read include file \"folder.h\": it is a folder, not a file");
    ASSERT_EQ(mkfifo(dir.path("pipe.rc").c_str(), 0600), 0);
    Expect("#include \"pipe.rc\"\n", "main.rc", 1, "cannot read include file \"pipe.rc\": it is a FIFO (named pipe), not a file");
    Expect("rcinclude /dev/null\n", "main.rc", 1, "cannot read include file \"/dev/null\": it is a device, not a file");
    // The script itself is read the same way.
    EXPECT_EQ(Compile(dir.path("pipe.rc"), dir.path("out.res")).error,
              "error: cannot open script \"" + Path("pipe.rc") + "\": it is a FIFO (named pipe), not a file");
    EXPECT_EQ(Compile(dir.path("folder.h"), dir.path("out.res")).error,
              "error: cannot open script \"" + Path("folder.h") + "\": it is a folder, not a file");
}

TEST_F(PreprocessorError, IncludesNestedTooDeeplyOrIncludingThemselves) {
    Expect("A\n#include \"main.rc\"\n", "main.rc", 2, "#include nested more than 64 deep (\"main.rc\" includes itself)");
    for (int i = 0; i < 70; ++i) dir.write("n" + std::to_string(i) + ".rc", "#include \"n" + std::to_string(i + 1) + ".rc\"\n");
    dir.write("n70.rc", "END\n");
    Expect("#include \"n0.rc\"\n", "n62.rc", 1, "#include nested more than 64 deep");
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
    Expect("#frobnicate\n", "main.rc", 1, "unknown preprocessor directive #frobnicate");
    Expect("#line x\n", "main.rc", 1, "#line needs a line number");
    dir.write("comment.h", "\n/* never closed\n");
    Expect("#include \"comment.h\"\n", "comment.h", 2, "unterminated comment");
    EXPECT_EQ(Run("#line 100 \"other.rc\"\n#error moved\n").error, "other.rc(100): error: #error moved");
}

}  // namespace
}  // namespace rc::test
