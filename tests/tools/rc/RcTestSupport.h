// Helpers for the compiler tests: temporary folders, compiling a script text, reading outputs.
#pragma once

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "driver/Compiler.h"
#include "resformat/ResReader.h"
#include "resformat/ResourceTypes.h"

namespace rc::test {

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::filesystem::path DataDir() { return RC_TEST_DATA; }

class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rctest.XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }
    std::filesystem::path path(const std::string& name) const { return path_ / name; }
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const auto full = path(name);
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary) << bytes;
        return full;
    }
    // Files of the output's folder other than the ones named, to catch stray temporary files.
    std::size_t countFiles() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
    }

private:
    std::filesystem::path path_;
};

inline CompileResult Compile(const std::filesystem::path& script, const std::filesystem::path& output,
                             bool win16 = false) {
    CompileOptions options;
    options.script = script.string();
    options.output = output.string();
    options.win16 = win16;
    return CompileScript(options);
}

// The output for a script of the test data, with the compile error reported as a failure.
inline std::string CompileData(const std::string& script, bool win16 = false, int codePage = 0) {
    ScratchDir dir;
    CompileOptions options;
    options.script = (DataDir() / script).string();
    options.output = dir.path("out.res").string();
    options.win16 = win16;
    options.codePage = codePage;
    const CompileResult result = CompileScript(options);
    EXPECT_TRUE(result.ok) << result.error;
    return ReadBytes(dir.path("out.res"));
}

// The output for a script given as text.
inline std::string CompileText(const std::string& text, bool win16 = false) {
    ScratchDir dir;
    const CompileResult result = Compile(dir.write("s.rc", text), dir.path("s.res"), win16);
    EXPECT_TRUE(result.ok) << result.error;
    return ReadBytes(dir.path("s.res"));
}

// What a run of a command printed and its exit status.
struct CommandRun {
    int exit = -1;
    std::string out, err;
};

// Runs `program` with `arguments` (shell words) in `dir`; `more` comes after the arguments
// (a redirection of standard input, say).
inline CommandRun RunIn(const ScratchDir& dir, const std::string& program, const std::string& arguments,
                        const std::string& more = "") {
    const std::string command = "cd '" + dir.path("").string() + "' && '" + program + "' " + arguments + " " + more +
                                " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    CommandRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir.path("stdout.txt")),
                   ReadBytes(dir.path("stderr.txt"))};
    std::filesystem::remove(dir.path("stdout.txt"));
    std::filesystem::remove(dir.path("stderr.txt"));
    return run;
}

// restallow-windres: the link to restallow-rc beside it.
inline std::string WindresPath() {
    return (std::filesystem::path(RESTALLOW_RC).parent_path() / "restallow-windres").string();
}

inline bool HasLlvmRc() { return std::system("command -v llvm-rc >/dev/null 2>&1") == 0; }

// The zig program whose "zig rc" writes rc.exe's bytes, from ZIG; empty when it is not given.
inline std::string ZigProgram() {
    const char* zig = std::getenv("ZIG");
    return zig ? zig : "";
}

// zig rc's output for a script of `folder` (code page 65001 unless another is given).
inline std::string ZigOutput(const std::filesystem::path& folder, const std::string& script,
                             const std::string& options = "/c 65001") {
    ScratchDir dir;
    const std::string command = "cd '" + folder.string() + "' && '" + ZigProgram() + "' rc /:auto-includes none " +
                                options + " /fo '" + dir.path("zig.res").string() + "' -- '" + script +
                                "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadBytes(dir.path("zig.res"));
}

// A parsed .res file together with the bytes its entries point into.
struct OwnedRes {
    explicit OwnedRes(std::string content) : bytes(std::move(content)) {
        auto read = ReadResFile(bytes);
        if (!read) ADD_FAILURE() << read.error().message;
        if (read) file = std::move(*read);
    }
    OwnedRes(const OwnedRes&) = delete;
    const std::vector<ResEntry>& entries() const { return file.entries; }

    const std::string bytes;
    ResFile file;
};

inline OwnedRes ReadRes(std::string bytes) { return OwnedRes(std::move(bytes)); }

// A script that must fail: what it stands for (empty: its first 80 bytes stand for it), its text,
// and the one message it must give.
struct BadCase {
    const char* what;
    std::string script;
    int line;
    std::string message;
    bool win16 = false;
    std::string file = {};  // the file the message names, in the scratch folder; empty: the script
};

// Compiles each case as "bad.rc" in `dir` over an older "bad.res": exactly its message, the
// older output untouched and no temporary file left behind.
inline void ExpectEachFails(ScratchDir& dir, std::initializer_list<BadCase> cases) {
    for (const BadCase& bad : cases) {
        SCOPED_TRACE(*bad.what ? std::string(bad.what) : bad.script.substr(0, 80));
        const auto script = dir.write("bad.rc", bad.script);
        const auto output = dir.write("bad.res", "older output");
        const std::size_t files = dir.countFiles();
        const CompileResult result = Compile(script, output, bad.win16);
        EXPECT_FALSE(result.ok);
        const std::string where = bad.file.empty() ? script.string() : dir.path(bad.file).string();
        EXPECT_EQ(result.error, where + "(" + std::to_string(bad.line) + "): error: " + bad.message);
        EXPECT_EQ(ReadBytes(output), "older output");
        EXPECT_EQ(dir.countFiles(), files);
    }
}

// Checks that a bad script gives exactly one message and leaves the older output alone.
class BadInputTest : public ::testing::Test {
protected:
    void ExpectEach(std::initializer_list<BadCase> cases) { ExpectEachFails(dir, cases); }

    std::string Data(const char* name) const { return "\"" + (DataDir() / name).string() + "\""; }

    ScratchDir dir;
};

}  // namespace rc::test
