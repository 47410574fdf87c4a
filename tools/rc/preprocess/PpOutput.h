// The preprocessed text: lines with "# N "file"" markers wherever the source position jumps.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/PpLexer.h"

namespace rc {

class PpOutput {
public:
    // Writes `text` as line `line` of `file`, with a marker or blank lines before it as needed.
    // The file is the name shared by all its lines, so that a line of the same file as the one
    // before is told by the pointer, without comparing the names.
    using FileName = std::shared_ptr<const std::string>;
    void Line(const FileName& file, int line, std::string_view text);
    // The same for the tokens of a line, as Render writes them.
    void Line(const FileName& file, int line, const std::vector<PpToken>& tokens);
    void Reserve(std::size_t bytes) { text_.reserve(bytes); }
    std::string Take() { return std::move(text_); }

private:
    // Writes the marker or blank lines that put the next text at `line` of `file`.
    void MoveTo(const FileName& file, int line);

    std::string text_;
    FileName file_;
    int next_ = 0;  // the line the next written line has in file_; 0 before the first
};

// "# N "file"" with backslashes and quotes of the name escaped.
std::string LineMarker(int line, const std::string& file);

}  // namespace rc
