// The program's messages beyond the main window's table of 54 (and Uninstall's own table): what
// the compiler driver, the runner, the preview, the media module and Qt's translations report;
// file and entry names a script cannot hold, the compiler settings, an oversized settings file.
#pragma once

#include <array>

namespace restallow {

enum MessageText {
    MsgOutOfMemory,
    MsgUnknownError,        // a command stopped by what it threw
    MsgCompilerNotStarted,  // then the command and the reason, one a line
    MsgCompilerFailed,      // %1 the exit code
    MsgInsertDisk,
    MsgExpandTitle,  // %1 the missing source of Expand
    MsgCommandTooLong,
    MsgNoProgram,
    MsgNoAssociation,
    MsgStartIdRange,  // %1 Start-ID, %2 lines, %3 highest id, %4 highest Start-ID
    MsgPictureNoSize,
    MsgNotGif,
    MsgGifInvalid,
    MsgClipNoSize,
    MsgAviNoFrame,
    MsgNoAudioDevice,
    MsgCannotPlay,  // %1 the file, %2 the reason
    MsgFontNotLoaded,
    MsgAniFrame,
    MsgMediaOtherVersion,
    MsgMediaMissing,
    MsgMediaNotLoaded,
    MsgQtTextsMissing,  // %1 the missing catalogue
    // Names a script cannot hold, the compiler settings, an oversized settings file, tool failures.
    MsgFileRefused1,
    MsgFileRefused2,  // joined by a line break, with the file's name between
    MsgNameRefused,   // followed by the name that stays
    MsgSaveName,
    MsgSaveFile,
    MsgSaveReload,  // followed by the entry's name
    MsgSettingsIgnored1,
    MsgSettingsIgnored2,  // with the settings file's name between
    MsgNoSound,           // followed by the device's reason in brackets
    MsgExpandFailed,
    MsgMinimizeFailed,  // followed by the tool's own message
    MsgCompilerGroup,
    MsgIncludeFolders,
    MsgIncludeTip,
    MsgDefines,
    MsgDefinesTip,
    MsgAddFolder,
    MsgRemoveFolder,
    MsgChooseFolder,
    MsgDefineRefused,  // followed by the line
    kMessageTexts
};

using MessageTable = std::array<const char*, kMessageTexts>;

// Any number outside 1..3 gives the English table.
const MessageTable& MessageStrings(int language);

}  // namespace restallow
