// The restallow-rc and restallow-resdump commands: options, exit codes, messages.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "RcTestSupport.h"

namespace rc::test {
namespace {

struct CommandRun {
    int exit = -1;
    std::string out, err;
};

CommandRun Command(const ScratchDir& dir, const std::string& arguments) {
    const std::string command = "cd '" + dir.path("").string() + "' && '" RESTALLOW_RC "' " + arguments + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    CommandRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir.path("stdout.txt")), ReadBytes(dir.path("stderr.txt"))};
    std::filesystem::remove(dir.path("stdout.txt"));
    std::filesystem::remove(dir.path("stderr.txt"));
    return run;
}

TEST(CommandLine, HelpVersionAndUsageErrors) {
    ScratchDir dir;
    const CommandRun help = Command(dir, "--help");
    EXPECT_EQ(help.exit, 0);
    EXPECT_NE(help.out.find("usage: restallow-rc [-31] [-fo OUTPUT]"), std::string::npos);
    EXPECT_EQ(Command(dir, "--version").out, "restallow-rc 1.0\n");
    const CommandRun none = Command(dir, "");
    EXPECT_EQ(none.exit, 2);
    EXPECT_NE(none.err.find("no script given"), std::string::npos);
    EXPECT_EQ(Command(dir, "-x a.rc").exit, 2);
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

}  // namespace
}  // namespace rc::test
