// The preprocessed text: lines with "# N "file"" markers wherever the source position jumps.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "PpLexer.h"

namespace rc {

class PpOutput {
public:
    // Writes `text` as line `line` of `file`, with a marker or blank lines before it as needed.
    void Line(const std::string& file, int line, std::string_view text);
    // The same for the tokens of a line, as Render writes them.
    void Line(const std::string& file, int line, const std::vector<PpToken>& tokens);
    std::string Take() { return std::move(text_); }

private:
    // Writes the marker or blank lines that put the next text at `line` of `file`.
    void MoveTo(const std::string& file, int line);

    std::string text_;
    std::string file_;
    int next_ = 0;  // the line the next written line has in file_; 0 before the first
};

// "# N "file"" with backslashes and quotes of the name escaped.
std::string LineMarker(int line, const std::string& file);

}  // namespace rc
