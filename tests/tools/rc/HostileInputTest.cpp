// Inputs and outputs that are not what a compile expects: empty output names, folders, FIFOs and
// devices where files belong, huge sparse files, and the modes, links and devices of outputs.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "RcTestSupport.h"

namespace rc::test {
namespace {

namespace fs = std::filesystem;

int RunRc(const ScratchDir& dir, const std::string& arguments) {
    const std::string command =
        "cd '" + dir.path("").string() + "' && '" RESTALLOW_RC "' " + arguments + " >/dev/null 2>err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

mode_t Mode(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(HostileInput, EmptyOutputNameIsAnErrorAndNothingIsWritten) {
    ScratchDir dir;
    dir.write("a.rc", "D RCDATA { 1 }");
    EXPECT_EQ(RunRc(dir, "a.rc -fo ''"), 2);
    EXPECT_NE(ReadBytes(dir.path("err.txt")).find("-fo needs an output file name"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path("a.res")));
    const CompileResult result = Compile(dir.path("a.rc"), "");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "error: no output file named");
}

TEST(HostileInput, ResourceOrIncludeThatIsNoRegularFileIsAnErrorNotAHang) {
    ScratchDir dir;
    fs::create_directory(dir.path("folder.bmp"));
    ASSERT_EQ(::mkfifo(dir.path("fifo.bin").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(dir.path("fifo.h").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {"B BITMAP \"folder.bmp\"", "folder.bmp\": it is a folder, not a file"},
        {"D RCDATA \"fifo.bin\"", "fifo.bin\": it is a FIFO (named pipe), not a file"},
        {"I ICON \"/dev/zero\"", "\"/dev/zero\": it is a device, not a file"},
        {"#include \"fifo.h\"", "fifo.h\": it is a FIFO (named pipe), not a file"},
    };
    for (const auto& [line, message] : cases) {
        const auto script = dir.write("s.rc", "\n" + line + "\n");
        const CompileResult result = Compile(script, dir.path("s.res"));
        EXPECT_FALSE(result.ok) << line;
        EXPECT_EQ(result.error.rfind(script.string() + "(2): error: ", 0), 0u) << result.error;
        EXPECT_NE(result.error.find(message), std::string::npos) << result.error;
        EXPECT_FALSE(fs::exists(dir.path("s.res")));
    }
    const auto fifoScript = dir.path("script.rc");
    ASSERT_EQ(::mkfifo(fifoScript.c_str(), 0600), 0);
    EXPECT_NE(Compile(fifoScript, dir.path("s.res")).error.find("it is a FIFO"), std::string::npos);
}

TEST(HostileInput, ScriptIsParsedWholeBeforeTheOutputIsMade) {
    ScratchDir dir;
    fs::create_directory(dir.path("out.res"));  // an output that cannot be made
    const auto script = dir.write("late.rc", "A RCDATA { 1 }\nB RCDATA { 2 }\nC RCDATA { \"open\n");
    const CompileResult result = Compile(script, dir.path("out.res"));
    EXPECT_EQ(result.error, script.string() + "(3): error: unterminated string");
    const auto good = dir.write("good.rc", "A RCDATA { 1 }\n");
    EXPECT_EQ(Compile(good, dir.path("out.res")).error,
              "error: Cannot create file \"" + dir.path("out.res").string() + "\": it is a folder");
}

TEST(HostileInput, AScriptThatFailsInAnyWayLeavesNoTemporaryBehind) {
    ScratchDir dir;
    dir.write("old.res", "older output");
    // However the parse ends (an error, or worse), no output has been started by then.
    dir.write("deep.rc", "D RCDATA { " + std::string(20000, '(') + "1" + std::string(20000, ')') + " }\n");
    dir.write("minus.rc", "D RCDATA { " + std::string(30000, '-') + "1 }\n");
    for (const char* script : {"deep.rc", "minus.rc"}) {
        RunRc(dir, std::string(script) + " -fo old.res");
        EXPECT_EQ(ReadBytes(dir.path("old.res")).substr(0, 12), "older output") << script;
        for (const auto& entry : fs::directory_iterator(dir.path(""))) {
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
        }
    }
}

TEST(HostileInput, IconFileMuchLargerThanItsDirectoryIsNotReadWhole) {
    ScratchDir dir;
    const std::string icon = ReadBytes(DataDir() / "icon.ico");
    const auto sparse = dir.write("huge.ico", icon);
    ASSERT_EQ(::truncate(sparse.c_str(), 3LL << 30), 0);  // 3 GB, nearly all of it a hole
    const auto script = dir.write("s.rc", "I ICON \"huge.ico\"\n");
    const auto normal = dir.write("n.rc", "I ICON \"" + (DataDir() / "icon.ico").string() + "\"\n");
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    const CompileResult result = Compile(script, dir.path("huge.res"));
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 256 * 1024) << "kilobytes more at the peak";
    ASSERT_TRUE(Compile(normal, dir.path("n.res")).ok);
    EXPECT_EQ(ReadBytes(dir.path("huge.res")), ReadBytes(dir.path("n.res")));
}

TEST(HostileInput, OutputsGetTheUmaskKeepTheirModeFollowLinksAndLeaveDevices) {
    ScratchDir dir;
    dir.write("a.rc", "D RCDATA { 1 }");
    const mode_t saved = ::umask(022);
    EXPECT_EQ(RunRc(dir, "a.rc -fo new.res"), 0);
    EXPECT_EQ(Mode(dir.path("new.res")), 0644u);
    dir.write("old.res", "older");
    ::chmod(dir.path("old.res").c_str(), 0640);
    EXPECT_EQ(RunRc(dir, "a.rc -fo old.res"), 0);
    EXPECT_EQ(Mode(dir.path("old.res")), 0640u);
    EXPECT_NE(ReadBytes(dir.path("old.res")), "older");
    fs::create_symlink("new.res", dir.path("link.res"));
    dir.write("b.rc", "D RCDATA { 1, 2, 3 }");
    EXPECT_EQ(RunRc(dir, "b.rc -fo link.res"), 0);
    EXPECT_TRUE(fs::is_symlink(dir.path("link.res")));
    EXPECT_EQ(ReadBytes(dir.path("new.res")).size(), ReadBytes(dir.path("old.res")).size() + 4);
    EXPECT_EQ(RunRc(dir, "a.rc -fo /dev/null"), 0);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    ::umask(saved);
    for (const auto& entry : fs::directory_iterator(dir.path(""))) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    }
}

}  // namespace
}  // namespace rc::test
