// The preprocessor: macros, conditionals, includes by rc.exe's rules, line markers for messages.
#include <sys/stat.h>

#include "PpTestSupport.h"

namespace rc::test {
namespace {

using Preprocessor = PpTest;

TEST_F(Preprocessor, ObjectAndFunctionLikeMacrosExpandWhereTheScriptUsesThem) {
    EXPECT_EQ(Text("#define ID 100\n#define TWICE(x) ((x) * 2)\nID RCDATA { TWICE(ID + 1) }\n"),
              "100 RCDATA { ((100 + 1) * 2) }\n");
    EXPECT_EQ(Text("#define STR(x) #x\n#define XSTR(x) STR(x)\n#define V 1.2\nS STR(a \"b\\\" c\") XSTR(V)\n"),
              "S \"a \\\"b\\\\\\\" c\\\"\" \"1.2\"\n");
    EXPECT_EQ(Text("#define CAT(a, b) a##b\n#define IDS_ 5\nCAT(IDS_, ) CAT(0x, 1F) CAT(, x)\n"), "5 0x1F x\n");
    EXPECT_EQ(Text("#define LIST(first, ...) first: __VA_ARGS__\n#define OPT(f, ...) f(0, ## __VA_ARGS__)\nLIST(a, b, "
                   "c) OPT(g)\n"),
              "a: b, c g(0)\n");
    // A call may run over lines; the macro's name without "(" stays a name.
    EXPECT_EQ(Text("#define ADD(a, b) a + b\nX ADD(1,\n  2) ADD\n"), "X 1 + 2 ADD\n");
    EXPECT_EQ(Text("#undef NOTHING\n#define A 1\n#undef A\nA __LINE__\n"), "A 4\n");
}

TEST(PlainLines, ALineThatNamesNoMacroIsWrittenAsItsTokensWouldBe) {
    // Lines without a macro skip the lexer's token list: their text and their names must be
    // those of the tokens, whatever quotes, numbers and blanks they hold.
    const std::vector<std::string> lines = {
        "  1 RCDATA   { 2,\t3 }  ",
        "L\"wide\"L'c' l\"x\"",
        "a 'lone apostrophe b",
        "\"open string c d",
        "1e+5 0x1Fe-2 .5e+x ...e5 x",
        "caf\xC3\xA9 \x1A\f\v tail",
        "id\"str\"id 'q'L",
        "\"esc \\\" quote\" after",
        "a+++b->c<<=d##e",
        "",
    };
    std::string out;
    std::vector<std::string_view> names;
    for (const std::string& line : lines) {
        const std::vector<PpToken> tokens = LexLine(line);
        EXPECT_EQ(RenderLine(line, out, names), Render(tokens)) << line;
        std::vector<std::string_view> identifiers;
        for (const PpToken& token : tokens)
            if (token.kind == PpKind::Identifier) identifiers.push_back(token.text);
        EXPECT_EQ(names, identifiers) << line;
    }
}

TEST_F(Preprocessor, LinesThatNameAMacroAnywhereAreStillExpanded) {
    EXPECT_EQ(Text("#define LATE 7\nX RCDATA { 1, \"LATE\", LATE }\n"), "X RCDATA { 1, \"LATE\", 7 }\n");
    EXPECT_EQ(Text("  A   __LINE__\t\n"), "A 1\n");
    EXPECT_NE(Text("B __FILE__\n").find("main.rc\"\n"), std::string::npos);
    EXPECT_EQ(Text("  X rcinclude\n"), "X rcinclude\n");
}

TEST_F(Preprocessor, MacrosFromTheCommandLineAndThePredefinedOnes) {
    options.macros = {{"VER", std::string("3"), false}, {"FLAG", std::nullopt, false}, {"_WIN32", std::nullopt, true}};
    EXPECT_EQ(Text("VER FLAG RC_INVOKED _WIN32\n"), "3 1 1 _WIN32\n");
    options.macros.clear();
    EXPECT_EQ(Text("_WIN32 WIN32\n"), "1 1\n");
    options.win16 = true;
    EXPECT_EQ(Text("_WIN32 WIN32 RC_INVOKED\n"), "_WIN32 WIN32 1\n");
}

TEST_F(Preprocessor, ConditionalsTakeOneBranchWithCIntegerRules) {
    const std::string script =
        "#define TWO 2\n"
        "#if defined(TWO) && defined TWO && !defined(NONE) && NONE == 0\nyes1\n#endif\n"
        "#if TWO > 3\nno\n#elif (TWO << 4) == 32 && (0x30 >> 4 | 1) == 3 && (7 & ~2) == 5 && (6 ^ 3) == "
        "5\nyes2\n#else\nno\n#endif\n"
        "#if -1 > 0U && -1 < 0 && 10 / 3 == 3 && -7 % 3 == -1 && 0xFFFFFFFFL + 1 == 0x100000000\nyes3\n#endif\n"
        "#if (TWO ? 'A' : 0) == 65 && '\\n' == 10 && 1 ? 0 : 1\nno\n#else\nyes4\n#endif\n"
        "#if 0 && 1 / 0 || 1 || 1 / 0\nyes5\n#endif\n"
        "#ifdef TWO\n#ifndef TWO\nno\n#else\nyes6\n#endif\n#endif\n"
        "#if 0\n#bogus directive in a skipped group\n#if 1 / 0\n#endif\n#else\nyes7\n#endif\n"
        "#define HAS_TWO defined(TWO)\n#define HAS_NONE defined NONE\n#if HAS_TWO && !HAS_NONE\nyes8\n#endif\n";
    EXPECT_EQ(Text(script), "yes1\nyes2\nyes3\nyes4\nyes5\nyes6\nyes7\nyes8\n");
}

// A name inside its own expansion is not expanded again and stays a name, as in C: in #if a
// name that is left is 0.
TEST_F(Preprocessor, AMacroThatNamesItselfLeavesItsNameAsItIs) {
    EXPECT_EQ(Text("#define X X\n#if X\nno\n#else\nyes\n#endif\nX\n"), "yes\nX\n");
    EXPECT_EQ(Text("#define SELF (SELF + 1)\n#if SELF\nyes\n#endif\nSELF\n"), "yes\n(SELF + 1)\n");
    EXPECT_EQ(Text("#define A B\n#define B A\nA B\n"), "A B\n");
}

TEST_F(Preprocessor, CommentsAndSplicedLinesAsInC) {
    EXPECT_EQ(Text("A /* one\n two */ B // rest\n\"not // a comment\" '/*'\nC\\\nD \"spl\\\nit\"\n"),
              "A B\n\"not // a comment\" '/*'\nCD \"split\"\n");
    // After a spliced line and a long comment, the next line keeps its own number.
    const PpRun run = Run("#define LONG 1 + \\\n 2\n/*\n\n*/\n#error here\n");
    EXPECT_EQ(run.error, Path("main.rc") + "(6): error: #error here");
}

// Lines are scanned for quotes, comments and backslashes in blocks: each of them is found
// wherever it stands in a block, also in the short rest at the end of the text.
TEST_F(Preprocessor, CommentsQuotesAndSplicesAreFoundAtEveryPlaceInALongLine) {
    for (std::size_t lead = 1; lead <= 40; ++lead) {
        const std::string x(lead, 'x');
        const std::string script = x + " /* c */ y // z\n" + x + " \"s//t\" 'q' \\\n w\n" + x + "\\\n" + x + " end";
        EXPECT_EQ(Text(script), x + " y\n" + x + " \"s//t\" 'q' w\n" + x + x + " end\n") << "lead " << lead;
    }
}

TEST_F(Preprocessor, HeaderFilesGiveOnlyTheirDirectives) {
    dir.write("resource.h", "#define IDI_APP 101\nint declaration(void);\nstruct S { int x; };\n");
    dir.write("code.C", "#define FROM_C 7\nvoid f() {}\n");
    dir.write("version.rcv", "#define FROM_RCV 8\nVER RCDATA { FROM_RCV }\n");
    EXPECT_EQ(Text("#include \"resource.h\"\n#include \"code.C\"\n#include \"version.rcv\"\nIDI_APP FROM_C\n"),
              "VER RCDATA { 8 }\n101 7\n");
}

TEST_F(Preprocessor, QuotedIncludesSearchTheIncludersFolderThenScriptThenOptionsThenIncludeVariable) {
    dir.write("sub/a.rc", "#include \"x.h\"\nX\n#include <y.h>\nY\n");
    dir.write("sub/x.h", "#define X in_sub\n");
    dir.write("sub/y.h", "#define Y in_sub\n");
    dir.write("x.h", "#define X in_script_folder\n");
    dir.write("y.h", "#define Y in_script_folder\n");
    dir.write("opt/x.h", "#define X in_option_folder\n");
    dir.write("env/x.h", "#define X in_include_variable\n");
    options.includeDirs = {Path("opt")};
    options.envIncludeDirs = {Path("env")};
    const std::string script = "#include \"sub/a.rc\"\n";
    EXPECT_EQ(Text(script), "in_sub\nin_script_folder\n");  // <y.h> skips the including file's folder
    std::filesystem::remove(dir.path("sub/x.h"));
    EXPECT_EQ(Text(script), "in_script_folder\nin_script_folder\n");
    std::filesystem::remove(dir.path("x.h"));
    EXPECT_EQ(Text(script), "in_option_folder\nin_script_folder\n");
    std::filesystem::remove(dir.path("opt/x.h"));
    EXPECT_EQ(Text(script), "in_include_variable\nin_script_folder\n");
}

TEST_F(Preprocessor, BackslashesSeparateFoldersAndLetterCaseIsIgnoredWhenTheNameIsMissing) {
    dir.write("Res/Defs.H", "#define DEFS found\n");
    dir.write("dialogs.dlg", "DLG\n");
    EXPECT_EQ(Text("#include \"res\\defs.h\"\nDEFS\nrcinclude DIALOGS.DLG\nrcinclude \"dialogs.dlg\"\n"),
              "found\nDLG\nDLG\n");
}

// Resource files follow the include rules too: a Windows script names "TOOLBAR.BMP" where the
// file on disk is ToolBar.bmp, or "res\\app.ico" for Res/App.ico.
TEST_F(Preprocessor, ResourceFilesAreFoundIgnoringLetterCaseAndWithBackslashes) {
    dir.write("ToolBar.bmp", std::string("BM") + std::string(60, '\x01'));
    dir.write("Res/Data.BIN", "abc");
    const auto script = dir.write("main.rc", "B BITMAP \"TOOLBAR.BMP\"\nD RCDATA \"res\\data.bin\"\n");
    const CompileResult result = Compile(script, dir.path("out.res"));
    ASSERT_TRUE(result.ok) << result.error;
    const OwnedRes file = ReadRes(ReadBytes(dir.path("out.res")));
    ASSERT_EQ(file.entries().size(), 2u);
    EXPECT_EQ(std::string(file.entries()[0].data), std::string(48, '\x01'));  // without the 14-byte file header
    EXPECT_EQ(std::string(file.entries()[1].data), "abc");
}

TEST_F(Preprocessor, AWrapperThatIncludesItsOwnNameInOtherCaseGetsTheBuiltInHeader) {
    // As in the corpus: CommCtrl.h holds only #include <commctrl.h>.
    dir.write("sdk/CommCtrl.h", "#include <commctrl.h>\n");
    options.includeDirs = {Path("sdk")};
    EXPECT_EQ(Text("#include <CommCtrl.h>\nWC_LISTVIEW\n"), "\"SysListView32\"\n");
    EXPECT_EQ(Text("#include <COMMCTRL.H>\nLVS_REPORT\n"), "0x0001\n");
}

TEST_F(Preprocessor, AHeaderOnTheIncludePathWinsOverTheBuiltInOne) {
    dir.write("inc/windows.h", "#define WS_VISIBLE mine\n");
    options.includeDirs = {Path("inc")};
    EXPECT_EQ(Text("#include <windows.h>\nWS_VISIBLE WS_CHILD\n"), "mine WS_CHILD\n");
    options.includeDirs.clear();
    EXPECT_EQ(Text("#include <windows.h>\nWS_VISIBLE WS_CHILD\n"), "0x10000000L 0x40000000L\n");
}

TEST_F(Preprocessor, IncludeNamedByAMacroAndPragmaOnce) {
    dir.write("once.h", "#pragma once\n#pragma warning(disable: 4000)\nONCE RCDATA { 1 }\n");
    dir.write("once.rc", "#pragma once\nONCE\n");
    EXPECT_EQ(
        Text("#define FILE \"once.rc\"\n#include FILE\n#include FILE\n#include \"once.h\"\n#include \"once.h\"\n"),
        "ONCE\n");
}

TEST_F(Preprocessor, AFileIncludedAgainIsSkippedOnlyWhenAllOfItIsInsideItsDefinedGuard) {
    dir.write("g1.rc", "// guarded\n#ifndef G1\n#define G1\nA\n#endif\n\n");
    dir.write("g2.rc", "#ifndef G2\n#define G2\nB\n#else\nB_AGAIN\n#endif\n");
    dir.write("g3.rc", "#ifndef G3\n#define G3\n#endif\nC\n");
    dir.write("g4.rc", "#ifndef G4\nD\n#endif\n");
    const std::string twice = "#include \"g1.rc\"\n#include \"g2.rc\"\n#include \"g3.rc\"\n#include \"g4.rc\"\n";
    EXPECT_EQ(Text(twice + twice + "#define G4\n#include \"g4.rc\"\n#undef G1\n#include \"g1.rc\"\n"),
              "A\nB\nC\nD\nB_AGAIN\nC\nD\nA\n");
}

TEST_F(Preprocessor, LineMarkersNameTheFileAndLineEachLineCameFrom) {
    dir.write("inc/part.rc", "\n\nPART\n");
    options.includeDirs = {Path("inc")};
    const PpRun run =
        Run("FIRST\n#include \"part.rc\"\nLAST\n#pragma code_page(65001)\n#line 40 \"renamed.rc\"\nFORTY\n");
    ASSERT_TRUE(run.ok) << run.error;
    EXPECT_EQ(run.raw, "# 1 \"" + Path("main.rc") + "\"\nFIRST\n# 3 \"" + Path("inc/part.rc") + "\"\nPART\n# 3 \"" +
                           Path("main.rc") + "\"\nLAST\n#pragma code_page(65001)\n# 40 \"renamed.rc\"\nFORTY\n");
}

// The same file entered twice in a row starts again at its first line: each entry gets its
// marker, though the name is the same.
TEST_F(Preprocessor, AFileIncludedTwiceInARowGetsAMarkerEachTime) {
    dir.write("part.rc", "P1\nP2\n");
    const PpRun run = Run("#include \"part.rc\"\n#include \"part.rc\"\n");
    ASSERT_TRUE(run.ok) << run.error;
    const std::string marker = "# 1 \"" + Path("part.rc") + "\"\n";
    EXPECT_EQ(run.raw, marker + "P1\nP2\n" + marker + "P1\nP2\n");
}

// Two entries that both equal the name ignoring letter case: the first in byte order is taken,
// whatever order the folder lists them in.
TEST_F(Preprocessor, ANameMatchingTwoEntriesIgnoringCaseTakesTheFirstInByteOrder) {
    dir.write("inc/defs.H", "#define WHICH lower\n");
    dir.write("inc/DEFS.h", "#define WHICH upper\n");
    options.includeDirs = {Path("inc")};
    EXPECT_EQ(Text("#include <Defs.h>\nWHICH\n"), "upper\n");
}

// Definitions made, undone and made again, many times and by many names: each use expands the
// definition current at that line, also after the table has grown far past its first size.
TEST_F(Preprocessor, MacrosRedefinedAndUndefinedManyTimesKeepTheirCurrentMeaning) {
    std::string script;
    std::string expected;
    for (int i = 0; i < 3000; ++i) script += "#define NAME_" + std::to_string(i) + " value_" + std::to_string(i) + "\n";
    for (int round = 0; round < 3; ++round) {
        script += "#undef M\n#define M(a) a##_" + std::to_string(round) + " NAME_" + std::to_string(round * 1000) +
                  "\nM(x)\n";
        expected += "x_" + std::to_string(round) + " value_" + std::to_string(round * 1000) + "\n";
        script += "#undef NAME_" + std::to_string(round * 1000) + "\nM(y)\n";
        expected += "y_" + std::to_string(round) + " NAME_" + std::to_string(round * 1000) + "\n";
    }
    EXPECT_EQ(Text(script + "#define NAME_0 again\nNAME_0 NAME_2999\n"), expected + "again value_2999\n");
}

TEST_F(Preprocessor, ErrorsAfterPreprocessingNameTheIncludedFileAndItsLine) {
    dir.write("part.rc", "OK RCDATA { 1 }\n\nBAD RCDATA { \"open\n");
    const auto script = dir.write("main.rc", "#include \"part.rc\"\n");
    const CompileResult result = Compile(script, dir.path("out.res"));
    EXPECT_EQ(result.error, Path("part.rc") + "(3): error: unterminated string");
    EXPECT_FALSE(std::filesystem::exists(dir.path("out.res")));
}

TEST_F(Preprocessor, DefinesReachTheCompiledResources) {
    const auto script = dir.write("main.rc",
                                  "#include <windows.h>\n#define BASE 10\nLANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
                                  "STRINGTABLE { BASE + 1, \"eleven\" }\nD RCDATA { WS_VISIBLE, BASE }\n");
    const CompileResult result = Compile(script, dir.path("out.res"));
    ASSERT_TRUE(result.ok) << result.error;
    const OwnedRes file = ReadRes(ReadBytes(dir.path("out.res")));
    ASSERT_EQ(file.entries().size(), 2u);
    // WS_VISIBLE carries L, so it takes four bytes; BASE takes two.
    EXPECT_EQ(std::string(file.entries()[0].data), std::string("\0\0\0\x10\x0A\0", 6));
    EXPECT_EQ(file.entries()[1].name, ResourceId::Number(1));  // string 11 is in block 1
    EXPECT_EQ(file.entries()[1].language, 0x0407);
}

}  // namespace
}  // namespace rc::test
