// The language tables of the output-kind and the Start-ID dialog.
#pragma once

#include <array>

namespace restallow {

using ResDialogTable = std::array<const char*, 11>;
using IdDialogTable = std::array<const char*, 4>;
using OptionsDialogTable = std::array<const char*, 16>;

// A number outside 1..3 gives the English table, which equals the dialogs' built-in texts.
const ResDialogTable& ResDialogStrings(int language);
const IdDialogTable& IdDialogStrings(int language);
const OptionsDialogTable& OptionsDialogStrings(int language);

}  // namespace restallow
