// Line markers are written only where blank lines would not keep the numbering.
#include "preprocess/PpOutput.h"

namespace rc {
namespace {
constexpr int kMaxBlankLines = 8;
}

std::string LineMarker(int line, const std::string& file) {
    std::string marker = "# " + std::to_string(line) + " \"";
    for (char c : file) {
        if (c == '"' || c == '\\') marker += '\\';
        marker += c;
    }
    return marker + "\"\n";
}

void PpOutput::Line(const FileName& file, int line, std::string_view text) {
    MoveTo(file, line);
    text_ += text;
    text_ += '\n';
}

void PpOutput::Line(const FileName& file, int line, const std::vector<PpToken>& tokens) {
    MoveTo(file, line);
    RenderTo(text_, tokens);
    text_ += '\n';
}

void PpOutput::MoveTo(const FileName& file, int line) {
    const bool sameFile = file_ && (file == file_ || *file == *file_);
    if (file != file_) file_ = file;
    if (!sameFile || line < next_ || line - next_ > kMaxBlankLines) {
        text_ += LineMarker(line, *file);
        next_ = line;
    }
    text_.append(static_cast<std::size_t>(line - next_), '\n');
    next_ = line + 1;
}

}  // namespace rc
