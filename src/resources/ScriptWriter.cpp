// Script text writer: every line ends in CR LF; names and paths are written as they are, the
// lines of text files as script strings.
#include "resources/ScriptWriter.h"

#include "resources/TextLines.h"

namespace restallow {
namespace {

constexpr std::string_view kEol = "\r\n";

std::string Separator() {
    std::string line = "/";
    for (int i = 0; i < 38; ++i) line += "*~";
    return line + "*/";
}

// "/*~", two blanks, the text, blanks up to column 76, "~*/"; a longer text is not cut.
std::string TextLine(std::string_view text) {
    std::string line = "/*~  ";
    line += text;
    if (line.size() < 76) line.append(76 - line.size(), ' ');
    return line + "~*/";
}

std::string FileNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool IsUtf8Text(std::string_view text) {
    bool wide = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        wide = wide || length > 1;
        i += length;
    }
    return wide;
}

// The value of the numeric escape whose letter or first digit stands at text[at], as the compiler
// reads a narrow string: \x and up to two hex digits, or up to three octal digits.
int NumericEscape(std::string_view text, std::size_t at) {
    const auto digit = [&](std::size_t i, int base) {
        if (i >= text.size()) return -1;
        const char c = text[i];
        const int value = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : 99;
        return value < base ? value : -1;
    };
    const bool hex = text[at] == 'x' || text[at] == 'X';
    int value = hex ? 0 : text[at] - '0';
    for (std::size_t i = at + 1, left = 2; left > 0 && digit(i, hex ? 16 : 8) >= 0; ++i, --left)
        value = value * (hex ? 16 : 8) + digit(i, hex ? 16 : 8);
    return value;
}

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += kEol;
}

fileaccess::Status AppendStringTable(std::string& out, const ResourceEntry& entry, const TextFileReader& read) {
    const fileaccess::Result<long long> firstId = ParseInteger(entry.stringId);
    if (!firstId) return firstId.error();
    const fileaccess::Result<std::string> text = read ? read(entry.path()) : ReadFileBytes(entry.path());
    if (!text) return text.error();
    const std::vector<std::string_view> lines = SplitLines(*text);
    const auto count = static_cast<long long>(lines.size());
    if (!StringIdsFit(*firstId, count))
        return fileaccess::FormatError(entry.name + ": " + StringIdRangeText(entry.stringId, count));
    long long id = *firstId;
    AppendLine(out, "");
    AppendLine(out, "/* " + entry.name + entry.type + entry.stringId + entry.file + " */");
    AppendLine(out, "");
    AppendLine(out, "STRINGTABLE");
    AppendLine(out, "{");
    for (std::string_view line : lines) {
        out += ' ';
        out += std::to_string(id++);
        out += ", \"";
        out += EscapeStringText(line);
        AppendLine(out, "\"");
    }
    AppendLine(out, "}");
    return fileaccess::Ok();
}

}  // namespace

std::string EscapeStringText(std::string_view line) {
    const int highest = IsUtf8Text(line) ? 0x7F : 0xFF;
    std::string out;
    out.reserve(line.size() + 8);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        out += c;
        if (c == '"') out += '"';
        if (c != '\\' || i + 1 >= line.size()) continue;
        const char next = line[i + 1];
        if (next == '\\') {
            out += next;  // an escaped backslash: what follows is text
            ++i;
        } else if ((next == 'x' || next == 'X' || (next >= '0' && next <= '7')) &&
                   NumericEscape(line, i + 1) > highest) {
            out += '\\';
        }
    }
    return out;
}

std::string ScriptHeader(std::string_view scriptFileName) {
    const std::string separator = Separator();
    const std::string frame = TextLine("");
    const std::string name = FileNameOf(scriptFileName);
    std::string nameLine = "/*~  \"" + name + "\"";
    if (name.size() < 69) nameLine.append(69 - name.size(), ' ');
    nameLine += "~*/";

    std::string out;
    for (const std::string& line : {separator, TextLine("To be able to reload this file to the Resource List it must"),
                                    TextLine("not be changed"), separator, frame, TextLine("Resource script"), nameLine,
                                    frame, TextLine(kCreatedByText), frame, separator, std::string()}) {
        AppendLine(out, line);
    }
    return out;
}

fileaccess::Result<std::string> WriteScriptText(const std::vector<ResourceEntry>& entries, std::string_view scriptPath,
                                                const TextFileReader& readTextFile) {
    std::string out = ScriptHeader(scriptPath);
    out.reserve(out.size() + entries.size() * 64);
    for (const ResourceEntry& entry : entries) {
        if (!entry.isStringTable()) AppendLine(out, entry.name + entry.type + entry.stringId + entry.file);
    }
    for (const ResourceEntry& entry : entries) {
        if (!entry.isStringTable()) continue;
        if (const fileaccess::Status appended = AppendStringTable(out, entry, readTextFile); !appended)
            return appended.error();
    }
    return out;
}

}  // namespace restallow
