// How the preprocessor enters files: the script, and each include file found, read once and
// skipped when a guard or #pragma once says it gives nothing more.
#include "preprocess/Preprocessor.h"

#include <sys/stat.h>

#include <strings.h>
#include <algorithm>
#include <cerrno>

#include "preprocess/BuiltinHeaders.h"
#include "preprocess/MacroExpander.h"
#include "preprocess/Utf16Text.h"

namespace rc {
namespace {

constexpr int kMaxIncludeDepth = 64;

bool DirectivesOnly(const std::string& name) {
    const std::size_t base = name.find_last_of('/') + 1;  // 0 without a folder
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot <= base) return false;  // none, or a name such as ".h"
    const std::string_view extension = std::string_view(name).substr(dot);
    return extension.size() == 2 &&
           (strncasecmp(extension.data(), ".h", 2) == 0 || strncasecmp(extension.data(), ".c", 2) == 0);
}

}  // namespace

// Two paths name the same file when device and inode agree (links and letter case aside). A
// file is asked once: scripts include the same few files over and over.
const std::string& Preprocessor::Identity(const std::string& path) {
    auto [known, created] = identities_.try_emplace(path);
    if (created) {
        struct stat info {};
        known->second =
            ::stat(path.c_str(), &info) != 0 ? path : std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
    }
    return known->second;
}

std::string Preprocessor::Run(const std::string& scriptPath, const std::string& text) {
    File script;
    script.name = std::make_shared<const std::string>(scriptPath);
    script.identity = Identity(scriptPath);
    script.dir = ParentFolder(scriptPath);
    script.directivesOnly = DirectivesOnly(scriptPath);
    // The output is about as long as the script: room for it at once spares copies as it grows
    // (pages not written take no memory).
    out_.Reserve(text.size() + text.size() / 2 + 4096);
    if (IsUtf16Text(text)) {
        std::string converted = text;
        Utf16ToUtf8Text(converted);
        unicodeFiles_.insert(scriptPath);
        ProcessFile(script, converted, 0);
    } else {
        ProcessFile(script, text, 0);
    }
    return out_.Take();
}

void Preprocessor::IncludeDirective(File& file, const LogicalLine& line, const std::vector<PpToken>& directive,
                                    const Location& where, int depth) {
    std::vector<PpToken> tokens(directive.begin() + 2, directive.end());
    // <name> is taken as written between the brackets, backslashes and blanks included.
    const std::string_view written = line.view();
    std::string text(written.substr(written.find("include") + 7));
    MacroExpander expander(macros_, where);  // holds the text of what it makes
    if (!tokens.empty() && tokens.front().kind != PpKind::String && !tokens.front().Is("<")) {
        tokens = expander.Expand(std::move(tokens));  // #include MACRO
        text = Render(tokens);
    }
    if (!tokens.empty() && tokens.front().kind == PpKind::String && tokens.front().text.front() == '"') {
        const std::string name(tokens.front().text);
        if (name.size() < 2 || name.back() != '"')
            throw CompileError(where, "#include file name is not closed by '\"'");
        return Include(file, name.substr(1, name.size() - 2), true, where, depth);
    }
    if (!tokens.empty() && tokens.front().Is("<")) {
        const std::size_t open = text.find('<');
        const std::size_t close = text.find('>', open);
        if (close == std::string::npos) throw CompileError(where, "#include file name is not closed by '>'");
        return Include(file, text.substr(open + 1, close - open - 1), false, where, depth);
    }
    throw CompileError(where, "#include needs a file name in double quotes or angle brackets");
}

void Preprocessor::Include(File& file, const std::string& written, bool quoted, const Location& where, int depth) {
    if (written.empty()) throw CompileError(where, "#include needs a file name");
    File child;
    std::string_view text;
    std::optional<std::string> path;
    // A built-in header includes only built-in headers, so that their set stays consistent.
    if (!file.builtin) {
        // A file found only by ignoring letter case is never the file that includes it: that
        // is a wrapper such as CommCtrl.h including <commctrl.h>, which means the system header.
        path = resolver_.Find(written, quoted, file.dir,
                              [this](const std::string& found) { return Identity(found) == open_.back(); });
    }
    if (path) {
        child.identity = Identity(*path);
        if (Skipped(child.identity)) return;
        if (depth + 1 >= kMaxIncludeDepth) {
            const bool cycle = std::find(open_.begin(), open_.end(), child.identity) != open_.end();
            throw CompileError(where, "#include nested more than " + std::to_string(kMaxIncludeDepth) + " deep" +
                                          (cycle ? " (" + QuotedText(written, '"') + " includes itself)" : ""));
        }
        text = Load(*path, written, where);
        child.name = std::make_shared<const std::string>(*path);
        if (unicodeIdentities_.count(child.identity)) unicodeFiles_.insert(*path);
        child.dir = ParentFolder(*path);
    } else {
        const std::optional<BuiltinHeader> builtin = FindBuiltinHeader(SlashedName(written));
        if (!builtin)
            throw CompileError(where, "cannot find include file " +
                                          (quoted ? QuotedText(written, '"') : "<" + ShortText(written) + ">"));
        child.identity = "<built-in>/" + std::string(builtin->name);
        if (Skipped(child.identity)) return;
        if (depth + 1 >= kMaxIncludeDepth) throw CompileError(where, "#include nested more than 64 deep");
        text = builtin->text;
        child.name = std::make_shared<const std::string>(child.identity);
        child.builtin = true;
        child.runs = builtin->runs;
        child.runCount = builtin->runCount;
    }
    child.directivesOnly = DirectivesOnly(*child.name);
    ProcessFile(child, text, depth + 1);
}

// The text of an include file, read once however often it is included.
std::string_view Preprocessor::Load(const std::string& path, const std::string& written, const Location& where) {
    auto known = texts_.find(Identity(path));
    if (known != texts_.end()) return known->second;
    fileaccess::Result<std::string> read =
        options_.load ? options_.load(path) : fileaccess::Error{fileaccess::ErrorKind::Open, ENOENT, {}};
    if (!read && read.error().missing())
        throw CompileError(where, "cannot open include file " + QuotedText(written, '"'));
    if (!read)
        throw CompileError(where, "cannot read include file " + QuotedText(written, '"') + ": " + read.error().what());
    filesRead_.push_back(path);
    std::string text = std::move(read).value();
    if (Utf16ToUtf8Text(text)) unicodeIdentities_.insert(Identity(path));
    return texts_.emplace(Identity(path), std::move(text)).first->second;
}

}  // namespace rc
