// The restallow-rc and restallow-resdump commands: options, exit codes, messages.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "RcTestSupport.h"

namespace rc::test {
namespace {

CommandRun Command(const ScratchDir& dir, const std::string& arguments) { return RunIn(dir, RESTALLOW_RC, arguments); }

TEST(CommandLine, HelpVersionAndUsageErrors) {
    ScratchDir dir;
    const CommandRun help = Command(dir, "--help");
    EXPECT_EQ(help.exit, 0);
    EXPECT_NE(help.out.find("usage: restallow-rc [-31] [-fo OUTPUT]"), std::string::npos);
    EXPECT_EQ(Command(dir, "--version").out,
              "restallow-rc 1.0, compatible with the Microsoft Windows Resource Compiler (rc.exe) and llvm-rc\n");
    const CommandRun none = Command(dir, "");
    EXPECT_EQ(none.exit, 2);
    EXPECT_NE(none.err.find("no script given"), std::string::npos);
    EXPECT_EQ(Command(dir, "-q a.rc").exit, 2);
    EXPECT_EQ(Command(dir, "-l zz a.rc").exit, 2);
}

TEST(CommandLine, OptionsGluedOrApartInAnyOrder) {
    ScratchDir dir;
    dir.write("my script.rc", "D RCDATA { 1 }\nSTRINGTABLE { 1, \"x\" }\n");
    ASSERT_EQ(Command(dir, "'my script.rc'").exit, 0);  // default output: the script's name with .res
    EXPECT_TRUE(std::filesystem::exists(dir.path("my script.res")));

    ASSERT_EQ(Command(dir, "-31 'my script.rc' -fo out16.res").exit, 0);  // the order the Compile command uses
    EXPECT_TRUE(ReadRes(ReadBytes(dir.path("out16.res"))).file.win16);

    ASSERT_EQ(Command(dir, "-foglued.res -l407 -c65001 'my script.rc'").exit, 0);
    const OwnedRes glued = ReadRes(ReadBytes(dir.path("glued.res")));
    ASSERT_EQ(glued.entries().size(), 2u);
    EXPECT_EQ(glued.entries()[0].language, 0x0407);

    const CommandRun dump = Command(dir, "--dump glued.res");
    EXPECT_EQ(dump.exit, 0);
    EXPECT_NE(dump.out.find("32-bit resource file, 2 resources"), std::string::npos);
    EXPECT_NE(dump.out.find("RCDATA         D                    lang 0x0407 flags 0x0030 size 2"), std::string::npos);
}

TEST(CommandLine, FailureExitsNonZeroWithFileAndLine) {
    ScratchDir dir;
    dir.write("bad.rc", "\nX BITMAP \"missing.bmp\"\n");
    const CommandRun run = Command(dir, "bad.rc");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "bad.rc(2): error: cannot open file \"missing.bmp\": No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path("bad.res")));
    EXPECT_EQ(Command(dir, "--dump bad.rc").exit, 1);  // no resource file: the listing says so
    std::filesystem::create_directory(dir.path("folder.res"));
    ASSERT_EQ(::mkfifo(dir.path("fifo.res").c_str(), 0600), 0);
    for (const char* odd : {"folder.res", "fifo.res", "/dev/zero"}) {  // refused at once, never read or waited on
        const CommandRun dumped = Command(dir, std::string("--dump ") + odd);
        EXPECT_EQ(dumped.exit, 1) << odd;
        EXPECT_NE(dumped.err.find(", not a file"), std::string::npos) << dumped.err;
    }
}

TEST(CommandLine, DefinesUndefinesAndPreprocessOnly) {
    ScratchDir dir;
    dir.write("inc/defs.h", "#define FROM_INC 5\n");
    dir.write("env/envdefs.h", "#define FROM_ENV 6\n");
    dir.write("p.rc", "#include <defs.h>\n#include <envdefs.h>\nA B C FROM_INC FROM_ENV _WIN32 RC_INVOKED\n");
    setenv("INCLUDE", (dir.path("none").string() + ";" + dir.path("env").string()).c_str(), 1);
    const CommandRun run = Command(dir, "-E -DA -D B=2 '-DC=x y' -U_WIN32 -i inc p.rc");
    unsetenv("INCLUDE");
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.out, "# 3 \"p.rc\"\n1 2 x y 5 6 _WIN32 1\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path("p.res")));  // -E writes no output file

    dir.write("p16.rc", "#include <defs.h>\nA _WIN32 RC_INVOKED FROM_INC\n");
    const CommandRun win16 = Command(dir, "-E -31 -iinc p16.rc");
    EXPECT_EQ(win16.out, "# 2 \"p16.rc\"\nA _WIN32 1 5\n") << win16.err;
    // Without -E the defines reach the compiled script.
    dir.write("d.rc", "#ifdef WANT\nD RCDATA { VALUE }\n#endif\n");
    ASSERT_EQ(Command(dir, "-DWANT -DVALUE=7 d.rc").exit, 0);
    EXPECT_EQ(std::string(ReadRes(ReadBytes(dir.path("d.res"))).entries().at(0).data), std::string("\x07\0", 2));

    const CommandRun failed = Command(dir, "-E -DX missing.rc");
    EXPECT_EQ(failed.exit, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(Command(dir, "-D").exit, 2);
    EXPECT_NE(Command(dir, "--help").out.find("-D NAME[=VALUE]"), std::string::npos);

    // Preprocessed text that cannot be written is an error, not a success.
    if (std::filesystem::exists("/dev/full")) {
        dir.write("w.rc", "A B\n");
        const int status = std::system(
            ("cd '" + dir.path("").string() + "' && '" RESTALLOW_RC "' -E w.rc >/dev/full 2>stderr.txt").c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
        EXPECT_NE(ReadBytes(dir.path("stderr.txt")).find("cannot write the preprocessed text"), std::string::npos);
    }
}

}  // namespace
}  // namespace rc::test
