// The resource compiler writes its output through the file-access part: killed by any signal in
// the middle of a big output, it leaves the old output as it was and nothing beside it.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "support/OpenFiles.h"

namespace fileaccess {
namespace {

namespace fs = std::filesystem;

TEST(ToolOutputEnding, TheResourceCompilerEndedByAnySignalLeavesNoTemporary) {
    char pattern[] = "/tmp/rc-ending-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    fs::create_directory(dir + "/in");
    fs::create_directory(dir + "/out");
    std::ofstream(dir + "/in/big.bin").close();
    fs::resize_file(dir + "/in/big.bin", std::uintmax_t{512} << 20);  // sparse: costs no disk until copied
    std::ofstream(dir + "/in/big.rc") << "1 RCDATA \"big.bin\"\n";
    const std::string output = dir + "/out/big.res";
    std::ofstream(output) << "old";
    for (const int signal : {SIGKILL, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGXFSZ, SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            ::execl(RESTALLOW_RC, RESTALLOW_RC, "-fo", output.c_str(), (dir + "/in/big.rc").c_str(),
                    static_cast<char*>(nullptr));
            _exit(127);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        bool writing = false;
        while (!(writing = restallow::test::HoldsFileIn(child, dir + "/out")) &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        EXPECT_TRUE(writing);  // ended in the middle of its output, not before
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir + "/out"))
            names.push_back(entry.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"big.res"});
        std::ifstream in(output, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "old");
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace fileaccess
