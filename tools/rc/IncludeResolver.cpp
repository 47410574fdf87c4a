// Include search over folders, with a case-insensitive second look for names written on Windows.
#include "IncludeResolver.h"

#include <algorithm>
#include <filesystem>
#include <dirent.h>
#include <strings.h>

namespace rc {
namespace fs = std::filesystem;

std::string SlashedName(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::optional<std::string> IncludeResolver::Find(const std::string& written, bool quoted, const std::string& includerDir,
                                                 const std::function<bool(const std::string&)>& refused) {
    const std::string name = SlashedName(written);
    if (!name.empty() && name.front() == '/') return InFolder("/", name.substr(1), refused);
    std::vector<const std::string*> dirs;
    if (quoted) dirs.push_back(&includerDir);
    dirs.push_back(&search_.scriptDir);
    for (const std::string& dir : search_.includeDirs) dirs.push_back(&dir);
    for (const std::string& dir : search_.envDirs) dirs.push_back(&dir);
    for (const std::string* dir : dirs) {
        if (std::optional<std::string> found = InFolder(*dir, name, refused)) return found;
    }
    return std::nullopt;
}

std::optional<std::string> IncludeResolver::InFolder(const std::string& dir, const std::string& name,
                                                     const std::function<bool(const std::string&)>& refused) {
    const std::string exact = dir.empty() ? name : dir.back() == '/' ? dir + name : dir + "/" + name;
    // A script includes the same few names from the same few folders over and over.
    auto [known, created] = found_.try_emplace(exact);
    if (created) {
        std::error_code error;
        known->second = fs::exists(exact, error) ? std::optional<std::string>(exact) : FoldedPath(dir, name);
    }
    const std::optional<std::string>& found = known->second;
    if (found && *found != exact && refused(*found)) return std::nullopt;
    return found;
}

// Follows the name one component at a time, taking for each the first entry of the folder
// that equals it ignoring letter case.
std::optional<std::string> IncludeResolver::FoldedPath(const std::string& dir, const std::string& name) {
    fs::path at(dir);  // empty: the working folder
    for (const fs::path& part : fs::path(name).relative_path()) {
        const std::string wanted = part.string();
        if (wanted == "." || wanted == ".." || wanted.empty()) {
            at /= part;
            continue;
        }
        const std::vector<std::string>& entries = Listing(at.string());
        auto match = std::find_if(entries.begin(), entries.end(),
                                  [&](const std::string& entry) { return strcasecmp(entry.c_str(), wanted.c_str()) == 0; });
        if (match == entries.end()) return std::nullopt;
        at /= *match;
    }
    return at.string();
}

const std::vector<std::string>& IncludeResolver::Listing(const std::string& dir) {
    auto [entry, created] = listings_.try_emplace(dir);
    if (created) {
        // readdir rather than std::filesystem: a folder's names are all that is wanted.
        if (DIR* folder = ::opendir(dir.empty() ? "." : dir.c_str())) {
            while (const dirent* item = ::readdir(folder)) {
                const std::string_view name = item->d_name;
                if (name != "." && name != "..") entry->second.emplace_back(name);
            }
            ::closedir(folder);
        }
        std::sort(entry->second.begin(), entry->second.end());
    }
    return entry->second;
}

std::string ParentFolder(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    while (slash > 0 && path[slash - 1] == '/') --slash;
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace rc
