// Reading and writing through the file-access part: what is refused, modes, links, devices,
// failures and signals. Each case works on real files in a folder of its own.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fileaccess/InputFile.h"
#include "fileaccess/OutputFile.h"
#include "fileaccess/PendingTemporaries.h"

namespace fileaccess {
namespace {

namespace fs = std::filesystem;

class FileAccess : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/fileaccess-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static mode_t Mode(const std::string& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    std::string dir_;
};

TEST_F(FileAccess, ReadingRefusesFolderFifoSocketAndDeviceWithoutBlocking) {
    fs::create_directory(Path("folder"));
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", Path("sock").c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::pair<std::string, const char*> cases[] = {
        {Path("folder"), "a folder"}, {Path("fifo"), "a FIFO"}, {Path("sock"), "a socket"}, {"/dev/zero", "a device"}};
    for (const auto& [path, word] : cases) {
        const Result<std::string> read = ReadFile(path, 1 << 20);
        ASSERT_FALSE(read.ok()) << path;
        EXPECT_EQ(read.error().kind, ErrorKind::NotRegular) << path;
        EXPECT_NE(read.error().message.find(word), std::string::npos) << read.error().message;
        EXPECT_NE(read.error().message.find(path), std::string::npos) << read.error().message;
    }
    ::close(sock);
}

TEST_F(FileAccess, ReadingTakesASizeLimitAndNeverReadsAHugeFileWhole) {
    const std::string ten = Write("ten", "0123456789");
    EXPECT_EQ(ReadFile(ten, 10).value(), "0123456789");
    const Result<std::string> over = ReadFile(ten, 9);
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.error().kind, ErrorKind::TooLarge);
    const std::string huge = Path("sparse");
    ASSERT_EQ(::truncate(Write("sparse", "").c_str(), 3LL << 30), 0);
    const Result<std::string> big = ReadFile(huge, 64 << 20);
    ASSERT_FALSE(big.ok());
    EXPECT_EQ(big.error().kind, ErrorKind::TooLarge);
    EXPECT_EQ(ReadFile(Write("empty", ""), 0).value(), "");
}

TEST_F(FileAccess, ReadErrorsAndMissingFilesAreErrorsNamingTheFile) {
    // Reading memory that is not mapped fails with EIO, as a bad disk block would.
    Result<InputFile> mem = InputFile::Open("/proc/self/mem");
    ASSERT_TRUE(mem.ok()) << mem.error().message;
    const Result<std::string> bytes = mem->ReadAt(0, 16);
    ASSERT_FALSE(bytes.ok());
    EXPECT_EQ(bytes.error().kind, ErrorKind::Read);
    EXPECT_EQ(bytes.error().code, EIO);

    const Result<std::string> missing = ReadFile(Path("gone.txt"), 100);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().missing());
    EXPECT_NE(missing.error().message.find("gone.txt"), std::string::npos);
    EXPECT_FALSE(ReadFile("", 100).ok());
}

TEST_F(FileAccess, NewOutputGetsTheUmaskAndAReplacedOneKeepsItsMode) {
    const mode_t saved = ::umask(022);
    ASSERT_TRUE(WriteFile(Path("new022"), "a").ok());
    ::umask(027);
    ASSERT_TRUE(WriteFile(Path("new027"), "a").ok());
    ::umask(saved);
    EXPECT_EQ(Mode(Path("new022")), 0644u);
    EXPECT_EQ(Mode(Path("new027")), 0640u);

    const std::string old = Write("old", "old bytes");
    ::chmod(old.c_str(), 0751);
    ASSERT_TRUE(WriteFile(old, "new bytes").ok());
    EXPECT_EQ(Read(old), "new bytes");
    EXPECT_EQ(Mode(old), 0751u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"new022", "new027", "old"}));
}

TEST_F(FileAccess, SymlinkedOutputReplacesTheLinksTarget) {
    fs::create_directory(Path("real"));
    const std::string target = Write("real/out.res", "old");
    fs::create_symlink("real/out.res", Path("link.res"));
    ASSERT_TRUE(WriteFile(Path("link.res"), "new").ok());
    EXPECT_TRUE(fs::is_symlink(Path("link.res")));
    EXPECT_EQ(Read(target), "new");

    fs::create_symlink("real/made.res", Path("dangling.res"));
    ASSERT_TRUE(WriteFile(Path("dangling.res"), "made").ok());
    EXPECT_TRUE(fs::is_symlink(Path("dangling.res")));
    EXPECT_EQ(Read(Path("real/made.res")), "made");
}

TEST_F(FileAccess, ANameTooLongForTheSuffixStillGetsItsTemporaryBesideIt) {
    const std::string name(250, 'n');  // name + ".tmpXXXXXX" passes the 255 bytes a name may have
    ASSERT_TRUE(WriteFile(Path(name), "long").ok());
    EXPECT_EQ(Read(Path(name)), "long");
    EXPECT_EQ(Names(), std::vector<std::string>{name});
}

TEST_F(FileAccess, DeviceAndFifoAreWrittenInPlace) {
    ASSERT_TRUE(WriteFile("/dev/null", "nothing").ok());
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));

    const std::string fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Status noReader = WriteFile(fifo, "x");  // refused at once instead of waiting for a reader
    ASSERT_FALSE(noReader.ok());
    EXPECT_NE(noReader.error().message.find("no program reads"), std::string::npos);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_TRUE(WriteFile(fifo, "through").ok());
    char got[16] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 7);
    EXPECT_STREQ(got, "through");
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// /dev/stdout and /dev/fd/N lead through /proc to "pipe:[N]", which is no path: the pipe itself is written.
TEST_F(FileAccess, APipeNamedThroughDevFdIsWrittenInPlaceAndAnOpenPipeIsReadToItsEnd) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const Status written = WriteFile("/dev/fd/" + std::to_string(pipeEnds[1]), "through the pipe");
    EXPECT_TRUE(written.ok()) << (written.ok() ? "" : written.error().message);
    ::close(pipeEnds[1]);
    const Result<std::string> read = ReadDescriptor(pipeEnds[0], "standard input", 1000);
    ::close(pipeEnds[0]);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, "through the pipe");

    ASSERT_EQ(::pipe(pipeEnds), 0);
    ASSERT_EQ(::write(pipeEnds[1], "0123456789", 10), 10);
    ::close(pipeEnds[1]);
    const Result<std::string> tooMuch = ReadDescriptor(pipeEnds[0], "standard input", 9);
    ::close(pipeEnds[0]);
    ASSERT_FALSE(tooMuch.ok());
    EXPECT_EQ(tooMuch.error().kind, ErrorKind::TooLarge);
    EXPECT_EQ(tooMuch.error().message, "Cannot read \"standard input\": it gives more than 9 bytes");
    EXPECT_EQ(ReadDescriptor(-1, "standard input", 9).error().message,
              "Cannot read \"standard input\": Bad file descriptor");
}

TEST_F(FileAccess, FailedOrUncommittedOutputLeavesTheOldFileAndNoTemporary) {
    const std::string old = Write("out.res", "the old output");
    for (const auto temporary : {OutputFile::Temporary::Unnamed, OutputFile::Temporary::Named}) {
        {
            Result<OutputFile> out = OutputFile::Create(old, temporary);
            ASSERT_TRUE(out.ok());
            ASSERT_TRUE(out->Write("half").ok());
            // Only a named temporary needs removing on a signal.
            EXPECT_EQ(pending::Count(), out->way() == OutputFile::Way::Named ? 1 : 0);
        }  // never committed
        EXPECT_EQ(pending::Count(), 0);
        EXPECT_EQ(Read(old), "the old output");
        EXPECT_EQ(Names(), std::vector<std::string>{"out.res"});
    }

    fs::create_directory(Path("folder"));
    const Status folder = WriteFile(Path("folder"), "x");
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().kind, ErrorKind::NotRegular);
    EXPECT_FALSE(WriteFile("", "x").ok());
    EXPECT_FALSE(WriteFile(Path("no/such/folder/out.res"), "x").ok());

    // A full disk, as a file-size limit shows it: the write fails and the old file stays.
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4, 4};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteFile(old, "longer than four bytes").ok() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Read(old), "the old output");
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "out.res"}));
}

TEST_F(FileAccess, SignalDuringAWriteRemovesTheNamedTemporary) {
    const std::string old = Write("out.res", "old");
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const pid_t child = ::fork();
        if (child == 0) {
            Result<OutputFile> out = OutputFile::Create(old, OutputFile::Temporary::Named);
            if (!out.ok() || !out->Write("partial").ok() || ::access(out->temporary().c_str(), F_OK) != 0) _exit(3);
            ::raise(signal);
            _exit(4);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(Names(), std::vector<std::string>{"out.res"}) << strsignal(signal);
        EXPECT_EQ(Read(old), "old");
    }
}

}  // namespace
}  // namespace fileaccess
