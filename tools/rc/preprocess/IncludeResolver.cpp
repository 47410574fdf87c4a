// Include search over folders, with a case-insensitive second look for names written on Windows.
#include "preprocess/IncludeResolver.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <algorithm>

namespace rc {

std::string SlashedName(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

namespace {

// `dir` and `name` joined as a path: the working folder for an empty `dir`.
std::string Joined(const std::string& dir, std::string_view name) {
    if (dir.empty()) return std::string(name);
    return dir.back() == '/' ? dir + std::string(name) : dir + "/" + std::string(name);
}

// Of the entries equal to `wanted` ignoring letter case, the first in byte order, so that the
// choice does not depend on the order the folder lists them in.
const std::string* FirstFolded(const std::vector<std::string>& entries, std::string_view wanted) {
    const std::string* first = nullptr;
    for (const std::string& entry : entries) {
        if (entry.size() != wanted.size() || strncasecmp(entry.data(), wanted.data(), wanted.size()) != 0) continue;
        if (!first || entry < *first) first = &entry;
    }
    return first;
}

}  // namespace

std::optional<std::string> IncludeResolver::Find(const std::string& written, bool quoted,
                                                 const std::string& includerDir,
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
    const std::string exact = Joined(dir, name);
    // A script includes the same few names from the same few folders over and over.
    auto [known, created] = found_.try_emplace(exact);
    if (created) {
        struct stat info {};
        known->second = ::stat(exact.c_str(), &info) == 0 ? std::optional<std::string>(exact) : FoldedPath(dir, name);
    }
    const std::optional<std::string>& found = known->second;
    if (found && *found != exact && refused(*found)) return std::nullopt;
    return found;
}

// Follows the name one component at a time, taking for each the entry of the folder that
// equals it ignoring letter case.
std::optional<std::string> IncludeResolver::FoldedPath(const std::string& dir, const std::string& name) {
    std::string at = dir;
    for (std::size_t start = 0; start < name.size();) {
        std::size_t end = name.find('/', start);
        if (end == std::string::npos) end = name.size();
        const std::string_view part = std::string_view(name).substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        if (part == "." || part == "..") {
            at = Joined(at, part);
            continue;
        }
        const std::string* match = FirstFolded(Listing(at), part);
        if (!match) return std::nullopt;
        at = Joined(at, *match);
    }
    return at;
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
