// Scripts and include files saved as UTF-16 (Visual Studio's "Unicode" save, with a byte-order mark).
#pragma once

#include <string>
#include <string_view>

namespace rc {

// A text that starts with the UTF-16 LE byte-order mark becomes UTF-8 without it; true then.
// A surrogate without its pair reads as U+FFFD. Any other text stays as it is.
bool Utf16ToUtf8Text(std::string& text);
// Whether the text starts with that byte-order mark.
bool IsUtf16Text(std::string_view text);

}  // namespace rc
