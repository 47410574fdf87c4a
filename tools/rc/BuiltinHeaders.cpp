// Looks names up in the table that the build makes from the files in headers/.
#include "BuiltinHeaders.h"

#include <cstddef>
#include <strings.h>
#include <string>

namespace rc {

extern const BuiltinHeader kBuiltinHeaders[];
extern const std::size_t kBuiltinHeaderCount;

std::optional<BuiltinHeader> FindBuiltinHeader(std::string_view name) {
    const std::string wanted(name);
    for (std::size_t i = 0; i < kBuiltinHeaderCount; ++i) {
        const BuiltinHeader& header = kBuiltinHeaders[i];
        if (header.name.size() == wanted.size() && strcasecmp(std::string(header.name).c_str(), wanted.c_str()) == 0) return header;
    }
    return std::nullopt;
}

}  // namespace rc
