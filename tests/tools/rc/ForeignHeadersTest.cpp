// What scripts of GNU toolchains rely on: __has_include, #warning on the side, the files read,
// and the MinGW-w64 headers on the include path.
#include <cstdlib>

#include "PpTestSupport.h"

namespace rc::test {
namespace {

using ForeignHeaders = PpTest;

TEST_F(ForeignHeaders, HasIncludeFindsFilesAsIncludeWouldAndTheBuiltInHeaders) {
    dir.write("inc/sys/extra.h", "#define EXTRA 1\n");
    dir.write("local.h", "\n");
    options.includeDirs = {Path("inc")};
    EXPECT_EQ(Text("#if __has_include(<sys/extra.h>) && __has_include(\"local.h\") && "
                   "__has_include(<windows.h>)\nall\n#endif\n"
                   "#if __has_include(\"missing.h\") || __has_include(<local2.h>)\nwrong\n#endif\n"
                   "#if defined(__has_include) && defined __has_include\ndefined\n#endif\n"
                   "#ifdef __has_include\nifdef\n#endif\n#ifndef __has_include\nwrong\n#endif\n"),
              "all\ndefined\nifdef\n");
    // The name is taken as written, not expanded, and the rest of the condition still is.
    EXPECT_EQ(Text("#define windows nothing\n#define YES 1\n#if __has_include(<windows.h>) && YES\nyes\n#endif\n"),
              "yes\n");
}

TEST_F(ForeignHeaders, BadHasIncludeIsAnErrorOfItsLine) {
    EXPECT_EQ(Run("\n#if __has_include\n#endif\n").error,
              Path("main.rc") + "(2): error: __has_include needs a file name in parentheses");
    EXPECT_EQ(Run("#if __has_include(<a.h)\n#endif\n").error,
              Path("main.rc") + "(1): error: __has_include file name is not closed by '>'");
    EXPECT_EQ(Run("#if __has_include(a.h)\n#endif\n").error,
              Path("main.rc") + "(1): error: __has_include needs a file name in double quotes or angle brackets");
    EXPECT_EQ(Run("#if __has_include(\"a.h\" x)\n#endif\n").error,
              Path("main.rc") + "(1): error: missing ')' after the file name of __has_include");
}

TEST_F(ForeignHeaders, WarningsAreGatheredWithTheirPlaceAndTheScriptStillCompiles) {
    dir.write("inc.h", "#warning from the header\n");
    const auto script = dir.write(
        "w.rc", "#include \"inc.h\"\n#if 0\n#warning skipped\n#endif\n#warning  two  words\n1 RCDATA { 1 }\n");
    options.script = script.string();
    options.output = Path("w.res");
    const CompileResult result = CompileScript(options);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.warnings.size(), 2u);
    EXPECT_EQ(result.warnings[0], Path("inc.h") + "(1): warning: #warning from the header");
    EXPECT_EQ(result.warnings[1], script.string() + "(5): warning: #warning two words");
    // Warnings before an error are kept.
    options.script = dir.write("e.rc", "#warning first\n#error then\n").string();
    const CompileResult failed = CompileScript(options);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.warnings, std::vector<std::string>{options.script + "(1): warning: #warning first"});
}

TEST_F(ForeignHeaders, FilesReadAreTheScriptItsIncludesOnceAndItsResourceFiles) {
    dir.write("a.h", "#pragma once\n#include \"b.h\"\n");
    dir.write("b.h", "#ifndef B_H\n#define B_H\n#endif\n");
    dir.write("data.bin", "xy");
    options.script = dir.write("f.rc",
                               "#include \"a.h\"\n#include \"a.h\"\n#include \"b.h\"\n#include <windows.h>\n"
                               "1 RCDATA \"data.bin\"\n2 RCDATA \"data.bin\"\n")
                         .string();
    options.output = Path("f.res");
    const CompileResult result = CompileScript(options);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.filesRead,
              (std::vector<std::string>{options.script, Path("a.h"), Path("b.h"), Path("data.bin"), Path("data.bin")}));
}

TEST_F(ForeignHeaders, GccIdentityForTheMinGwHeadersCanBeRemoved) {
    EXPECT_EQ(Text("__GNUC__ __GNUC_MINOR__ __GNUC_PATCHLEVEL__ RC_INVOKED\n"), "4 2 1 1\n");
    options.macros = {{"__GNUC__", std::nullopt, true}};
    EXPECT_EQ(Text("#ifndef __GNUC__\ngone\n#endif\n"), "gone\n");
}

// The MinGW-w64 headers themselves on the include path, as a cross build has them.
TEST_F(ForeignHeaders, MinGwW64HeadersOnTheIncludePathGiveTheirValues) {
    const std::string mingw = "/usr/share/mingw-w64/include";
    if (!std::filesystem::exists(mingw + "/windows.h"))
        GTEST_SKIP() << "the MinGW-w64 headers (mingw-w64-common) are not installed";
    options.includeDirs = {mingw};
    for (const char* header : {"windows.h", "commctrl.h", "richedit.h", "shlobj.h", "winver.h", "winresrc.h"}) {
        SCOPED_TRACE(header);
        const std::string text = Text(std::string("#include <") + header + ">\nok\n");
        EXPECT_EQ(text, "ok\n");
    }
    EXPECT_EQ(Text("#include <windows.h>\n#include <commctrl.h>\n"
                   "#if WS_VISIBLE != 0x10000000L || IDOK != 1 || VS_FF_DEBUG != 1 || TBS_VERT != 2 || "
                   "!defined(WC_BUTTON)\nwrong\n#endif\n"),
              "");
    options.script = dir.write("m.rc",
                               "#include <windows.h>\n1 DIALOGEX 0, 0, 50, 20\nSTYLE WS_POPUP | WS_CAPTION\n"
                               "BEGIN\n  DEFPUSHBUTTON \"OK\", IDOK, 5, 5, 40, 10\nEND\n")
                         .string();
    options.output = Path("m.res");
    const CompileResult result = CompileScript(options);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(ReadRes(ReadBytes(Path("m.res"))).entries().size(), 1u);
}

}  // namespace
}  // namespace rc::test
