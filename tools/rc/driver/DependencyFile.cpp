// Dependency files: "TARGET: \" and one file a line, each quoted for make.
#include "driver/DependencyFile.h"

#include <cstdio>
#include <set>

#include "driver/OptionReading.h"

namespace rc {
namespace {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

std::string DependencyText(const DependencyOptions& options, const std::string& output,
                           const std::vector<std::string>& files) {
    std::vector<std::string> unique;
    std::set<std::string> seen;
    for (const std::string& file : files) {
        if (seen.insert(file).second) unique.push_back(file);
    }
    if (options.json) {
        std::string text = "[";
        for (std::size_t i = 0; i < unique.size(); ++i) text += (i ? "," : "") + JsonString(unique[i]);
        return text + "]\n";
    }
    std::string text;
    if (options.targets.empty()) text = MakeQuoted(output);
    for (const std::string& target : options.targets) text += (text.empty() ? "" : " ") + target;
    text += ":";
    for (const std::string& file : unique) text += " \\\n  " + MakeQuoted(file);
    text += "\n";
    // -MP: the files but the first (the script), each as a target of its own without a recipe.
    for (std::size_t i = 1; options.phony && i < unique.size(); ++i) text += "\n" + MakeQuoted(unique[i]) + ":\n";
    return text;
}

}  // namespace rc
