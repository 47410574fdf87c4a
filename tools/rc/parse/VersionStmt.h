// VERSIONINFO: the fixed fields and a tree of BLOCKs holding VALUEs.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "parse/StatementParts.h"

namespace rc {

struct VersionValuePart {
    bool isString = false;
    StringLiteral string;
    std::uint32_t number = 0;
    bool isLong = false;         // written as 32 bits
    bool trailingComma = false;  // a comma follows it: a string before a comma or at the end gets its NUL
};

struct VersionNode {
    bool isBlock = false;
    StringLiteral key;
    std::vector<VersionValuePart> parts;  // the values after the key (of a VALUE, and rarely of a BLOCK)
    std::vector<VersionNode> children;    // a BLOCK's
    Location where;
};

struct VersionStmt {
    ResourceAttributes head;
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOs = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::vector<VersionNode> blocks;
};

}  // namespace rc
