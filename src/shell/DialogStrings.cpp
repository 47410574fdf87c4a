// Dialog texts in English, French and German.
#include "shell/DialogStrings.h"

#include "shell/MainStrings.h"

namespace restallow {
namespace {

const ResDialogTable kResEnglish = {
    "Resource", "Resourcekind", "Which kind of resource", "do you like to create?", "&Cancel",
    "To create a standard resource file|Resource File (*.res)|", "To create a resource for",
    "Delphi's component palette|Delphi Resource (*.dcr)|", "To create a standard resource file| |",
    "To create a resource for", "Delphi's components palette| |"};
const ResDialogTable kResFrench = {
    "Ressource", "Genre de ressource", "Which kind of resource", "do you like to create?", "&Cesser",
    "To create a standard resource file|Fichier de ressource (*.res)|", "To create a resource for",
    "Delphi's component palette|Ressource de Delphi (*.dcr)|", "To create a standard resource file| |",
    "To create a resource for", "Delphi's components palette| |"};
const ResDialogTable kResGerman = {
    "Ressource", "Ressourcenart", "Welche Ressourcenart", "möchten Sie erstellen?", "&Abbruch",
    "Eine Standardressource erstellen|Ressourcen-Datei (*.res)|", "Eine Ressource für Delphis",
    "Komponentenpalette erstellen|Delphi-Ressource (*.dcr)|", "Eine Standardressource erstellen| |",
    "Eine Ressource für Delphis", "Komponentenpalette erstellen| |"};

const IdDialogTable kIdEnglish = {"Start-ID", "&Cancel", "Using more than one Stringtable",
                                  "let enough of scope!|Please insert the Start-ID:|"};
const IdDialogTable kIdFrench = {"Start-ID", "&Cesser", "Using more than one Stringtable",
                                 "let enough of scope!|Please insert the Start-ID:|"};
const IdDialogTable kIdGerman = {"Start-ID", "&Abbruch", "Bei Verwendung mehrerer Stringtables ",
                                 "ausreichend Spielraum lassen!|Bitte Start-ID eingeben:|"};

}  // namespace

const ResDialogTable& ResDialogStrings(int language) {
    if (language == kFrench) return kResFrench;
    if (language == kGerman) return kResGerman;
    return kResEnglish;
}

const IdDialogTable& IdDialogStrings(int language) {
    if (language == kFrench) return kIdFrench;
    if (language == kGerman) return kIdGerman;
    return kIdEnglish;
}

}  // namespace restallow
