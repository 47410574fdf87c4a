// Option values shared by both dialects, and response files.
#include "driver/OptionReading.h"

#include <cerrno>
#include <cstdlib>

#include "driver/CommandLine.h"
#include "fileaccess/InputFile.h"

namespace rc {
namespace {

constexpr std::uint64_t kResponseLimit = 16 * fileaccess::kMiB;
constexpr int kMaxResponseDepth = 16;

// GNU's rules (libiberty's buildargv), as windres reads its response files.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, single = false, dual = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            word += text[++i];
            inWord = true;
        } else if (single) {
            if (c == '\'')
                single = false;
            else
                word += c;
        } else if (dual) {
            if (c == '"')
                dual = false;
            else
                word += c;
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            if (c == '\'')
                single = true;
            else if (c == '"')
                dual = true;
            else
                word += c;
            inWord = true;
        }
    }
    if (single || dual) throw UsageError("a quote is not closed in a response file");
    if (inWord) words.push_back(std::move(word));
    return words;
}

void Expand(const std::vector<std::string>& arguments, std::vector<std::string>& out, int depth) {
    for (const std::string& argument : arguments) {
        if (argument.size() < 2 || argument[0] != '@') {
            out.push_back(argument);
            continue;
        }
        if (depth >= kMaxResponseDepth) throw UsageError("response files nested more than 16 deep: " + argument);
        const fileaccess::Result<std::string> text = fileaccess::ReadFile(argument.substr(1), kResponseLimit);
        if (!text) throw UsageError("cannot read the response file " + argument + ": " + text.error().what());
        Expand(Words(*text), out, depth + 1);
    }
}

}  // namespace

unsigned long OptionNumber(const std::string& text, int base, const std::string& option) {
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text.c_str(), &end, base);
    if (text.empty() || text[0] == '-' || *end != '\0' || errno != 0)
        throw UsageError("bad value for " + option + ": " + text);
    return value;
}

MacroOption MacroArgument(const std::string& text, bool undefine, const std::string& option) {
    if (text.empty()) throw UsageError("option " + option + " needs a macro name");
    if (undefine) return {text, std::nullopt, true};
    const auto equals = text.find('=');
    if (equals == std::string::npos) return {text, std::nullopt, false};
    return {text.substr(0, equals), text.substr(equals + 1), false};
}

std::vector<std::string> IncludeVariable() {
    std::vector<std::string> dirs;
    const char* value = std::getenv("INCLUDE");
    std::string dir;
    for (const char* c = value ? value : "";; ++c) {
        if (*c == ';' || *c == ':' || *c == '\0') {
            if (!dir.empty()) dirs.push_back(dir);
            dir.clear();
            if (*c == '\0') break;
        } else {
            dir += *c;
        }
    }
    return dirs;
}

std::string MakeQuoted(const std::string& name) {
    std::string quoted;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == ' ' || c == '\t') {
            // The backslashes before a blank are doubled, so that they stay backslashes.
            for (std::size_t back = i; back > 0 && name[back - 1] == '\\'; --back) quoted += '\\';
            quoted += '\\';
        } else if (c == '$') {
            quoted += '$';
        } else if (c == '#') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted;
}

std::vector<std::string> ExpandResponseFiles(const std::vector<std::string>& arguments) {
    std::vector<std::string> out;
    Expand(arguments, out, 0);
    return out;
}

}  // namespace rc
