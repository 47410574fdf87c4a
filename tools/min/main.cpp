// restallow-min: writes a packed copy of a 16-bit Windows program.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "Minimizer.h"

namespace {

int Fail(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "restallow-min: %s: error: %s\n", file.c_str(), message.c_str());
    return 1;
}

// Writes through a temporary file beside the target, renamed when complete.
bool WriteAtomically(const std::string& target, const std::string& bytes, std::string& error) {
    std::string temporary = target + ".tmpXXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) break;
        done += static_cast<std::size_t>(written);
    }
    const bool ok = done == bytes.size() && ::close(fd) == 0 && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        error = std::strerror(errno ? errno : EIO);
        std::remove(temporary.c_str());
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "--version") == 0)) {
        std::puts("restallow-min 1.0: packs a 16-bit Windows (NE) program\nusage: restallow-min INPUT OUTPUT");
        return 0;
    }
    if (argc != 3) {
        std::fputs("usage: restallow-min INPUT OUTPUT\n", stderr);
        return 2;
    }
    const std::string input = argv[1], output = argv[2];
    std::ifstream in(input, std::ios::binary);
    if (!in) return Fail(input, std::strerror(errno ? errno : ENOENT));
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto packed = ne::Minimize(bytes);
    if (!ne::IsPacked(packed)) return Fail(input, std::get<1>(packed));
    std::string error;
    if (!WriteAtomically(output, std::get<0>(packed), error)) return Fail(output, "cannot write: " + error);
    std::printf("%s: %zu bytes -> %s: %zu bytes\n", input.c_str(), bytes.size(), output.c_str(), std::get<0>(packed).size());
    return 0;
}
