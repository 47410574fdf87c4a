// Fuzz target: any bytes as a script go through the preprocessor (built-in headers only)
// without crashing or hanging; errors come back as CompileError.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>

#include "preprocess/Preprocessor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    rc::PreprocessOptions options;
    options.load = [](const std::string&) -> fileaccess::Result<std::string> {
        return fileaccess::Error{fileaccess::ErrorKind::Open, ENOENT, {}};
    };
    try {
        rc::Preprocessor(options).Run("fuzz.rc", text);
    } catch (const rc::CompileError&) {}
    return 0;
}
