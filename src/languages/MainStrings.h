// Language numbers and the main window's table of 54 texts, which is also the program's message table.
#pragma once

#include <array>

namespace restallow {

enum Language { kEnglish = 1, kFrench = 2, kGerman = 3 };

using MainTable = std::array<const char*, 54>;

// Any number outside 1..3 gives the English table.
const MainTable& MainStrings(int language);

// Indexes of the main table that the code refers to by meaning.
enum Ui : int {
    UiInputFileHint = 0,
    UiOutputFileHint = 1,
    UiResourceListHint = 4,
    UiCompileHint = 9,
    UiAddHint = 10,
    UiDeleteHint = 11,
    UiClearHint = 12,
    UiScriptHint = 13,
    UiCloseHint = 14,
    UiAddFilterRes = 26,
    UiScriptFilter = 27,
    UiColumnType = 30,
    UiColumnFile = 31,
    UiCloseQuestion1 = 34,
    UiCloseQuestion2 = 35,
    UiAddFilterDcr = 36,
    UiDuplicate1 = 42,
    UiDuplicate2 = 43,
    UiColumnName = 44,
    UiOverwrite = 45,
    UiLoadAnyway = 46,
    UiConfirmation = 52,
};

}  // namespace restallow
