// However a writer ends, nothing of its output is left beside the target: a child process is
// ended by each signal in the middle of a big output, with an unnamed and with a named temporary;
// stale temporaries of ours go at the next output and nothing else does; a folder that takes no
// new file gets a writable target written in place once the output is whole.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fileaccess/OutputFile.h"

namespace fileaccess {
namespace {

namespace fs = std::filesystem;
using Way = OutputFile::Way;
using Temporary = OutputFile::Temporary;

class OutputEnding : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/output-ending-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(Path("locked"), fs::perms::owner_all, ignored);
        fs::remove_all(dir_);
    }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names(const std::string& folder = {}) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.empty() ? dir_ : Path(folder)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string dir_;
};

// In a child: starts a big output over `target`, tells the parent its way through `report`,
// then writes on until a signal ends it. SIGPIPE and SIGXFSZ come as they do in real life, from
// a pipe nobody reads and from a file-size limit; the others the parent sends.
[[noreturn]] void WriteUntilEnded(const std::string& target, Temporary temporary, int signal, int report) {
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);  // SIGQUIT dumps no core into the test's folder
    if (signal == SIGXFSZ) {
        const rlimit limit{1 << 20, 1 << 20};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    int pipe[2] = {-1, -1};
    if (signal == SIGPIPE && (::pipe(pipe) != 0 || ::close(pipe[0]) != 0)) _exit(2);
    Result<OutputFile> out = OutputFile::Create(target, temporary);
    if (!out.ok()) _exit(3);
    const std::string chunk(64 * 1024, 'x');
    if (!out->Write(chunk).ok()) _exit(4);
    const char way = static_cast<char>(out->way());
    if (::write(report, &way, 1) != 1) _exit(5);
    for (int i = 0; i < 4096; ++i) {  // 256 MB at most
        if (signal == SIGPIPE) {
            const ssize_t sent = ::write(pipe[1], "x", 1);
            (void)sent;
        }
        if (!out->Write(chunk).ok()) _exit(6);
    }
    _exit(7);  // the signal never came
}

TEST_F(OutputEnding, NoSignalLeavesATemporaryAndSigkillsLeftoverGoesWithTheNextOutput) {
    const std::string old = Write("out.res", "the old output");
    for (const Temporary temporary : {Temporary::Unnamed, Temporary::Named}) {
        for (const int signal : {SIGKILL, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGXFSZ, SIGINT, SIGTERM, SIGHUP}) {
            SCOPED_TRACE(std::string(temporary == Temporary::Named ? "named, " : "unnamed, ") + strsignal(signal));
            int report[2];
            ASSERT_EQ(::pipe(report), 0);
            const pid_t child = ::fork();
            if (child == 0) WriteUntilEnded(old, temporary, signal, report[1]);
            ::close(report[1]);
            char way = -1;
            ASSERT_EQ(::read(report[0], &way, 1), 1);
            ::close(report[0]);
            if (signal != SIGPIPE && signal != SIGXFSZ) ::kill(child, signal);
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << "exit " << WEXITSTATUS(status);
            EXPECT_EQ(WTERMSIG(status), signal);
            EXPECT_EQ(Read(old), "the old output");
            if (temporary == Temporary::Unnamed) {
                EXPECT_EQ(way, static_cast<char>(Way::Unnamed)) << "no O_TMPFILE here";
            }
            if (static_cast<Way>(way) == Way::Named && signal == SIGKILL) {
                EXPECT_EQ(Names().size(), 2u);  // nothing runs in a process killed so
                ASSERT_TRUE(WriteFile(Path("other.res"), "next").ok());
                EXPECT_EQ(Names(), (std::vector<std::string>{"other.res", "out.res"}));
                fs::remove(Path("other.res"));
            }
            EXPECT_EQ(Names(), std::vector<std::string>{"out.res"});
        }
    }
}

TEST_F(OutputEnding, OnlyOurOwnTemporariesOfEndedWritersAreRemoved) {
    std::string tag;
    {
        Result<OutputFile> probe = OutputFile::Create(Path("probe"), Temporary::Named);
        ASSERT_TRUE(probe.ok());
        const std::string name = fs::path(probe->temporary()).filename().string();
        ASSERT_EQ(name.rfind(".~restallow.", 0), 0u) << name;
        tag = name.substr(12, 8);
    }
    const pid_t child = ::fork();
    if (child == 0) _exit(0);
    ::waitpid(child, nullptr, 0);  // its pid names a process that is gone
    const std::string dead = std::to_string(child);
    const std::string own = std::to_string(::getpid());
    const std::string other = tag == "00000000" ? "11111111" : "00000000";
    const std::string base = ".~restallow.";
    for (const std::string& name : {base + tag + "." + dead + ".AAAAAA", base + tag + "." + own + ".BBBBBB",
                                    base + other + "." + dead + ".CCCCCC", base + other + "." + dead + ".DDDDDD",
                                    base + tag + "." + dead + ".EEEEEE.bak", base + tag + ".x" + dead + ".EEEEEE",
                                    std::string("out.res.tmpABC123"), std::string("victim.txt")}) {
        Write(name, "bytes");
    }
    const timeval twoDaysAgo[2] = {{::time(nullptr) - 2 * 86400, 0}, {::time(nullptr) - 2 * 86400, 0}};
    ASSERT_EQ(::utimes(Path(base + other + "." + dead + ".DDDDDD").c_str(), twoDaysAgo), 0);
    fs::create_symlink("victim.txt", Path(base + tag + "." + dead + ".FFFFFF"));
    fs::create_directory(Path(base + tag + "." + dead + ".GGGGGG"));

    ASSERT_TRUE(WriteFile(Path("out.res"), "new").ok());
    std::vector<std::string> kept = {base + tag + "." + dead + ".EEEEEE.bak",
                                     base + tag + "." + dead + ".FFFFFF",
                                     base + tag + "." + dead + ".GGGGGG",
                                     base + tag + "." + own + ".BBBBBB",
                                     base + tag + ".x" + dead + ".EEEEEE",
                                     base + other + "." + dead + ".CCCCCC",
                                     "out.res",
                                     "out.res.tmpABC123",
                                     "victim.txt"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(Names(), kept);
    EXPECT_EQ(Read(Path("victim.txt")), "bytes");
}

TEST_F(OutputEnding, ANamedTemporaryKeepsTheModeAndReplacesASymlinksTarget) {
    const std::string old = Write("old", "old bytes");
    ::chmod(old.c_str(), 0751);
    ASSERT_TRUE(WriteFile(old, "new bytes", Temporary::Named).ok());
    EXPECT_EQ(Read(old), "new bytes");
    struct stat info {};
    ASSERT_EQ(::stat(old.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0751u);
    fs::create_symlink("old", Path("link"));
    ASSERT_TRUE(WriteFile(Path("link"), "through the link", Temporary::Named).ok());
    EXPECT_TRUE(fs::is_symlink(Path("link")));
    EXPECT_EQ(Read(old), "through the link");
    EXPECT_EQ(Names(), (std::vector<std::string>{"link", "old"}));
}

// The user of the child that writes: one who cannot add a file to a folder of mode 0555. Root can,
// so a child of root becomes nobody.
bool BecomeAnOrdinaryUser() {
    if (::geteuid() != 0) return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

TEST_F(OutputEnding, AFolderThatTakesNoNewFileGetsTheWholeOutputInPlace) {
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::create_directory(Path("locked"));
    const std::string target = Write("locked/out.res", "the old output, longer than the new one");
    ::chmod(target.c_str(), 0646);
    ::chmod(Path("locked").c_str(), 0555);
    const pid_t child = ::fork();
    if (child == 0) {
        if (!BecomeAnOrdinaryUser()) _exit(77);
        if (WriteFile(Path("locked/new.res"), "x").ok()) _exit(10);  // a new file has no place there
        Result<OutputFile> out = OutputFile::Create(target);
        if (!out.ok() || out->way() != Way::Staged) _exit(11);
        if (!out->Write("new ").ok() || Read(target) != "the old output, longer than the new one") _exit(12);
        if (!out->Write("output").ok() || !out->Commit().ok()) _exit(13);
        _exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no other user to write as";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Read(target), "new output");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0646u);
    EXPECT_EQ(Names("locked"), std::vector<std::string>{"out.res"});
}

}  // namespace
}  // namespace fileaccess
