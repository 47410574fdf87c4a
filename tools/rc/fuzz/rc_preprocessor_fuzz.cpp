// Fuzz target: any bytes as a script go through the preprocessor (built-in headers only)
// without crashing or hanging; errors come back as CompileError. Each line of it renders the
// same through the plain-line path as through its tokens.
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/PpLexer.h"
#include "preprocess/Preprocessor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    rc::PreprocessOptions options;
    options.load = [](const std::string&) -> fileaccess::Result<std::string> {
        return fileaccess::Error{fileaccess::ErrorKind::Open, ENOENT, {}};
    };
    std::string rendered;
    std::vector<std::string_view> names;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = std::string_view(text).substr(start, end - start);
        if (rc::RenderLine(line, rendered, names) != rc::Render(rc::LexLine(line))) std::abort();
        start = end + 1;
    }
    try {
        rc::Preprocessor(options).Run("fuzz.rc", text);
    } catch (const rc::CompileError&) {}
    return 0;
}
