// File search for resource statements, as rc.exe searches (with Linux's paths and letter case).
#include "driver/ResourceFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "preprocess/IncludeResolver.h"
#include "resformat/Bytes.h"

namespace rc {
namespace {

namespace fs = std::filesystem;

std::string Slashed(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

}  // namespace

SourceFile OpenResourceFile(const std::string& name, const Location& where, const std::vector<std::string>& includeDirs,
                            const std::string& asWritten, std::vector<std::string>* filesRead) {
    std::vector<std::string> candidates;
    std::vector<std::string> forms = {name, Slashed(name)};
    if (!asWritten.empty() && asWritten != name) forms.insert(forms.end(), {asWritten, Slashed(asWritten)});
    for (const std::string& written : forms) {
        if (fs::path(written).is_absolute()) {
            candidates.push_back(written);
            continue;
        }
        candidates.push_back((fs::path(where.fileName()).parent_path() / written).string());
        for (const std::string& dir : includeDirs) candidates.push_back((fs::path(dir) / written).string());
        candidates.push_back(written);
    }
    // A name written on Windows may differ from the file's letter case: the same folders are
    // searched again ignoring case, as includes are.
    IncludeResolver folded({fs::path(where.fileName()).parent_path().string(), includeDirs, {std::string()}});
    if (std::optional<std::string> found = folded.Find(name, false, {}, [](const std::string&) { return false; })) {
        candidates.push_back(*found);
    }
    for (const std::string& path : candidates) {
        fileaccess::Result<SourceFile> file = SourceFile::Open(path);
        if (file) {
            if (filesRead) filesRead->push_back(path);
            return std::move(file.value());
        }
        // Only a name that is not there sends the search on; a folder or FIFO is an error,
        // told with the name as written (the message of file access ends with the reason).
        if (!file.error().missing()) {
            const std::string message = file.error().what();
            const auto reason = message.rfind("\": ");
            throw CompileError(where, "cannot read file " + QuotedText(asWritten.empty() ? name : asWritten, '"') +
                                          ": " + (reason == std::string::npos ? message : message.substr(reason + 3)));
        }
    }
    throw CompileError(where, "cannot open file " + QuotedText(asWritten.empty() ? name : asWritten, '"') + ": " +
                                  std::strerror(ENOENT));
}

std::string ReadIconBytes(const SourceFile& file, const std::string& name, const Location& where) {
    constexpr std::size_t kHeader = 6, kEntry = 16;
    std::string head = file.ReadAt(0, kHeader);
    if (head.size() < kHeader) return head;
    head = file.ReadAt(0, kHeader + ReadU16(head, 4) * kEntry);
    std::uint64_t end = head.size();
    for (std::size_t at = kHeader; at + kEntry <= head.size(); at += kEntry) {
        end = std::max<std::uint64_t>(end, std::uint64_t{ReadU32(head, at + 12)} + ReadU32(head, at + 8));
    }
    end = std::min(end, file.size());
    if (end > kResourceFileLimit)
        throw CompileError(where, QuotedText(name, '"') + ": the images of this icon file are larger than 256 MiB");
    return file.ReadAt(0, static_cast<std::size_t>(end));
}

std::string ReadWholeFile(const SourceFile& file, const std::string& name, const Location& where) {
    if (file.size() > kResourceFileLimit)
        throw CompileError(where, QuotedText(name, '"') + ": a file larger than 256 MiB");
    return file.ReadAt(0, static_cast<std::size_t>(file.size()));
}

}  // namespace rc
