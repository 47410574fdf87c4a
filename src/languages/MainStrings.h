// Language numbers and the main window's table of 54 texts, which is also the program's message table.
#pragma once

#include <array>

namespace restallow {

enum Language { kEnglish = 1, kFrench = 2, kGerman = 3 };

using MainTable = std::array<const char*, 54>;

// Any number outside 1..3 gives the English table.
const MainTable& MainStrings(int language);

// Every index of the main table, named by its text.
enum Ui : int {
    UiInputFileHint = 0,
    UiOutputFileHint = 1,
    UiInputInfoHint = 2,
    UiOutputInfoHint = 3,
    UiResourceListHint = 4,
    UiExpandHint1 = 5,
    UiExpandHint2 = 6,
    UiMinimizeHint1 = 7,
    UiMinimizeHint2 = 8,
    UiCompileHint = 9,
    UiAddHint = 10,
    UiDeleteHint = 11,
    UiClearHint = 12,
    UiScriptHint = 13,
    UiCloseHint = 14,
    UiFileVersion = 15,
    UiChooseOutput = 16,
    UiOutputCaption = 17,
    UiMinimizerMissing = 18,
    UiLookForMinimizer = 19,
    UiFileExists = 20,
    UiFileMissing = 21,
    UiCreated = 22,
    UiLastAccess = 23,
    UiLastChange = 24,
    UiFileSize = 25,
    UiAddFilterRes = 26,
    UiScriptFilter = 27,
    UiLoaded = 28,
    UiPreviewHint = 29,
    UiColumnType = 30,
    UiColumnFile = 31,
    UiOriginalSize = 32,
    UiPixels = 33,
    UiCloseQuestion1 = 34,
    UiCloseQuestion2 = 35,
    UiAddFilterDcr = 36,
    UiOptions = 37,
    UiNot16BitFile = 38,
    UiNot16BitText = 39,
    UiReadme = 40,
    UiShowReadme = 41,
    UiDuplicate1 = 42,
    UiDuplicate2 = 43,
    UiColumnName = 44,
    UiOverwrite = 45,
    UiLoadAnyway = 46,
    UiReplaceEntries = 47,
    UiBrowse = 48,
    UiBrowseTitle = 49,
    UiInputFilter = 50,
    UiOutputFilter = 51,
    UiConfirmation = 52,
    UiError = 53,
};

}  // namespace restallow
