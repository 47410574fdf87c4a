// Readable dumps of resource bodies, one item or value a line, for `restallow-resdump -v`.
#pragma once

#include <string>
#include <string_view>

#include "resformat/ResReader.h"

namespace rc {

// Each throws byteformat::OutOfBounds for a body that is cut short, MalformedBody for one otherwise malformed.
std::string DescribeMenu(std::string_view body, bool win16);
std::string DescribeVersion(std::string_view body, bool win16);
std::string DescribeAccelerators(std::string_view body, bool win16);
std::string DescribeStrings(std::string_view body, std::uint16_t block, bool win16);

// The dump of one entry for the kinds above and dialogs, else empty; a broken body gives a line saying so.
std::string DescribeResource(const ResEntry& entry, bool win16);

}  // namespace rc
