// Script text writer: every line ends in CR LF and nothing is escaped.
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
    if (!StringIdsFit(*firstId, count)) return fileaccess::FormatError(entry.name + ": " + StringIdRangeText(entry.stringId, count));
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
        out += line;
        AppendLine(out, "\"");
    }
    AppendLine(out, "}");
    return fileaccess::Ok();
}

}  // namespace

std::string ScriptHeader(std::string_view scriptFileName) {
    const std::string separator = Separator();
    const std::string frame = TextLine("");
    const std::string name = FileNameOf(scriptFileName);
    std::string nameLine = "/*~  \"" + name + "\"";
    if (name.size() < 69) nameLine.append(69 - name.size(), ' ');
    nameLine += "~*/";

    std::string out;
    for (const std::string& line :
         {separator, TextLine("To be able to reload this file to the Resource List it must"),
          TextLine("not be changed"), separator, frame, TextLine("Resource script"), nameLine, frame,
          TextLine(kCreatedByText), frame, separator, std::string()}) {
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
        if (const fileaccess::Status appended = AppendStringTable(out, entry, readTextFile); !appended) return appended.error();
    }
    return out;
}

}  // namespace restallow
