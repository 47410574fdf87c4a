// One entry of the Resource List: the four texts shown in its columns and written to the script.
#pragma once

#include <string>

#include "resources/KindTable.h"

namespace restallow {

struct ResourceEntry {
    std::string name;      // Bitmap_1, or what the user typed
    std::string type;      // the kind keyword with its blanks, " BITMAP "
    std::string stringId;  // first string id of a text file as typed; empty for other kinds
    std::string file;      // a blank, a double quote, the path, a double quote

    static std::string QuoteFile(const std::string& path) { return " \"" + path + "\""; }

    // The path inside the File field; empty when the field is too short to hold one.
    std::string path() const { return file.size() >= 3 ? file.substr(2, file.size() - 3) : std::string(); }
    bool isStringTable() const { return type == kStringTableKeyword; }

    bool operator==(const ResourceEntry&) const = default;
};

}  // namespace restallow
