// Reads whole text files through the file-access part: a FIFO or terminal named as a script is
// refused before any read, so it never makes the compiler wait.
#include "preprocess/FileLoader.h"

#include "fileaccess/InputFile.h"

namespace rc {
namespace {

// Scripts and include files larger than this are refused rather than read.
constexpr std::uint64_t kTextLimit = 256 * fileaccess::kMiB;

// The reason alone: the callers put the file's name into their own message.
std::string Reason(const fileaccess::Error& error) {
    const std::string message = error.what();
    const auto end = message.rfind("\": ");
    return end == std::string::npos ? message : message.substr(end + 3);
}

}  // namespace

fileaccess::Result<std::string> LoadTextFile(const std::string& path) {
    fileaccess::Result<std::string> text = fileaccess::ReadFile(path, kTextLimit);
    if (text) return text;
    return fileaccess::Error{text.error().kind, text.error().code, Reason(text.error())};
}

}  // namespace rc
