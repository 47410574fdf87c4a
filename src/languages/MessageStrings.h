// The texts of the messages and controls that came after the main window's table of 54: file and
// entry names a script cannot hold, the compiler settings, an oversized settings file, sound and
// tool failures. One table per language, rows in the order of MessageText.
#pragma once

#include <array>

namespace restallow {

enum MessageText {
    MsgFileRefused1, MsgFileRefused2,  // joined by a line break, with the file's name between
    MsgNameRefused,                    // followed by the name that stays
    MsgSaveName, MsgSaveFile, MsgSaveReload,  // followed by the entry's name
    MsgSettingsIgnored1, MsgSettingsIgnored2,  // with the settings file's name between
    MsgNoSound,                        // followed by the device's reason in brackets
    MsgExpandFailed, MsgMinimizeFailed,  // followed by the tool's own message
    MsgCompilerGroup, MsgIncludeFolders, MsgIncludeTip, MsgDefines, MsgDefinesTip,
    MsgAddFolder, MsgRemoveFolder, MsgChooseFolder,
    MsgDefineRefused,                  // followed by the line
    kMessageTexts
};

using MessageTable = std::array<const char*, kMessageTexts>;

// A number outside 1..3 gives the English table.
const MessageTable& MessageStrings(int language);

}  // namespace restallow
