// The texts of Uninstall beyond the options dialog's table: the question of a packaged build and
// the refusal of an install list, in English, French and German.
#pragma once

#include <array>

namespace restallow {

enum UninstallText {
    UnPackaged,     // in a packaged build, instead of "... will be deleted after the next Windows Start."
    UnListRefused,  // %1: the install list; the reason follows on the next line
    UnNoPrefix,
    UnSecondPrefix,      // %1: line number, %2: the folder it names
    UnOtherPrefix,       // %1: the list's folder, %2: the folder the program runs from
    UnControlCharacter,  // %1: line number, %2: the line with its control characters shown
    UnOutside,           // %1: line number, %2: the install folder, %3: the entry
    UnSymlinked,         // %1: line number, %2: the symlinked folder, %3: the entry
    UnUnreadable,        // %1: the reason
    kUninstallTexts
};

using UninstallTable = std::array<const char*, kUninstallTexts>;

// A number outside 1..3 gives the English table.
const UninstallTable& UninstallStrings(int language);

}  // namespace restallow
