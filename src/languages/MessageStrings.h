// The program's messages beyond the main window's table of 54 (and Uninstall's own table): what
// the compiler driver, the runner, the preview, the media module and Qt's translations report.
#pragma once

#include <array>

namespace restallow {

enum MessageText {
    MsgOutOfMemory, MsgUnknownError,                 // a command stopped by what it threw
    MsgCompilerNotStarted,                           // then the command and the reason, one a line
    MsgCompilerFailed,                               // %1 the exit code
    MsgInsertDisk, MsgExpandTitle,                   // %1 the missing source of Expand
    MsgCommandTooLong, MsgNoProgram, MsgNoAssociation,
    MsgStartIdRange,                                 // %1 Start-ID, %2 lines, %3 highest id, %4 highest Start-ID
    MsgPictureNoSize, MsgNotGif, MsgGifInvalid, MsgClipNoSize, MsgAviNoFrame,
    MsgNoAudioDevice, MsgCannotPlay,                 // %1 the file, %2 the reason
    MsgFontNotLoaded, MsgAniFrame,
    MsgMediaOtherVersion, MsgMediaMissing, MsgMediaNotLoaded,
    MsgQtTextsMissing,                               // %1 the missing catalogue
    kMessageTexts
};

using MessageTable = std::array<const char*, kMessageTexts>;

// Any number outside 1..3 gives the English table.
const MessageTable& MessageStrings(int language);

}  // namespace restallow
