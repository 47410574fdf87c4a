// Reads a .res file of either format back into its entries (for listing and for tests).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"
#include "resformat/ResourceId.h"

namespace rc {

struct ResEntry {
    ResourceId type;
    ResourceId name;
    std::uint16_t flags = 0;
    std::optional<std::uint16_t> language;  // none in the 16-bit format
    std::string_view data;
};

struct ResFile {
    bool win16 = false;
    std::vector<ResEntry> entries;  // without the leading empty entry of the 32-bit format
};

// The entries, or a Format error saying where the file is broken.
fileaccess::Result<ResFile> ReadResFile(std::string_view bytes);

// "BITMAP" for known numbered types, "#N" for other numbers, the text of named ones.
std::string TypeText(const ResourceId& type);
std::string IdText(const ResourceId& id);

// One line per resource: type, name, language, flags, size.
std::string ListResFile(const ResFile& file);

}  // namespace rc
