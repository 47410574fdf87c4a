// The language tables of the output-kind, Start-ID and options dialogs.
#pragma once

#include <array>

namespace restallow {

// The rows of each table, in their order. A text of two rows is joined by a line break.
enum ResDialogText {
    ResCaption,
    ResGroup,
    ResQuestion1,
    ResQuestion2,
    ResCancel,
    ResResChoice,  // the label of the .res choice
    ResDcrChoice1,
    ResDcrChoice2,  // the label of the .dcr choice
    ResResTooltip,  // the tooltip of the .res choice
    ResDcrTooltip1,
    ResDcrTooltip2,  // the tooltip of the .dcr choice
    kResDialogTexts
};
enum IdDialogText { IdCaption, IdCancel, IdHint1, IdHint2, kIdDialogTexts };
enum OptionsDialogText {
    OptCaption,
    OptLanguageGroup,
    OptLinksGroup,
    OptDesktop,
    OptStartMenu,
    OptStartup,  // the link boxes, in this order
    OptCancel,
    OptNoQuery1,
    OptNoQuery2,
    OptNoHints,
    OptUninstall,
    OptUninstallQuestion1,
    OptUninstallQuestion2,
    OptUninstallQuestion3,  // joined by empty lines
    OptBackgroundGroup,
    OptUninstallCaption,
    kOptionsDialogTexts
};

using ResDialogTable = std::array<const char*, kResDialogTexts>;
using IdDialogTable = std::array<const char*, kIdDialogTexts>;
using OptionsDialogTable = std::array<const char*, kOptionsDialogTexts>;

// A number outside 1..3 gives the English table, which equals the dialogs' built-in texts.
const ResDialogTable& ResDialogStrings(int language);
const IdDialogTable& IdDialogStrings(int language);
const OptionsDialogTable& OptionsDialogStrings(int language);

}  // namespace restallow
