// Where an #include finds its file: rc.exe's search order with Windows path rules.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace rc {

struct IncludeSearch {
    std::string scriptDir;                 // the folder of the script being compiled
    std::vector<std::string> includeDirs;  // -i folders, in order
    std::vector<std::string> envDirs;      // folders of the INCLUDE environment variable
};

class IncludeResolver {
public:
    explicit IncludeResolver(IncludeSearch search) : search_(std::move(search)) {}

    // "name" looks in the including file's folder, then the script's folder, the -i folders and
    // the INCLUDE folders; <name> the same without the including file's folder. A backslash
    // separates folders. A name that does not exist as spelled is looked up ignoring letter case;
    // a file found that way is skipped when `refused` says so (the including file itself).
    // Nothing when no folder holds the name.
    std::optional<std::string> Find(const std::string& name, bool quoted, const std::string& includerDir,
                                    const std::function<bool(const std::string&)>& refused);

private:
    std::optional<std::string> InFolder(const std::string& dir, const std::string& name,
                                        const std::function<bool(const std::string&)>& refused);
    std::optional<std::string> FoldedPath(const std::string& dir, const std::string& name);
    const std::vector<std::string>& Listing(const std::string& dir);

    IncludeSearch search_;
    std::map<std::string, std::vector<std::string>> listings_;           // folder -> its entries
    std::unordered_map<std::string, std::optional<std::string>> found_;  // path as written -> the file there
};

// The name with "\" turned into "/".
std::string SlashedName(std::string name);

// The folder part of a path, "" for a bare name.
std::string ParentFolder(const std::string& path);

}  // namespace rc
