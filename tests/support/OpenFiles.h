// Whether a running process holds a file of a folder open: how a test sees that a tool is in the
// middle of writing its output, also when the output's temporary has no name.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace restallow::test {

inline bool HoldsFileIn(pid_t pid, const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        const std::string target = fs::read_symlink(fd.path(), error).string();
        if (!error && target.rfind(folder + "/", 0) == 0) return true;
    }
    return false;
}

}  // namespace restallow::test
