// Readable text of a DIALOG resource, for restallow-resdump -v and for tests that compare meaning.
#pragma once

#include <string>
#include <string_view>

namespace rc {

// The template's header on the first lines, then one line per control. A template that ends
// early or holds a broken string ends with a line beginning "error:".
std::string DescribeDialog(std::string_view bytes, bool win16);

}  // namespace rc
