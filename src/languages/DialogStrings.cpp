// Dialog texts in English, French and German.
#include "languages/DialogStrings.h"

#include "languages/MainStrings.h"

namespace restallow {
namespace {

const ResDialogTable kResEnglish = {"Resource",
                                    "Resourcekind",
                                    "Which kind of resource",
                                    "do you like to create?",
                                    "&Cancel",
                                    "To create a standard resource file|Resource File (*.res)|",
                                    "To create a resource for",
                                    "Delphi's component palette|Delphi Resource (*.dcr)|",
                                    "To create a standard resource file| |",
                                    "To create a resource for",
                                    "Delphi's components palette| |"};
const ResDialogTable kResFrench = {"Ressource",
                                   "Genre de ressource",
                                   "Which kind of resource",
                                   "do you like to create?",
                                   "&Cesser",
                                   "To create a standard resource file|Fichier de ressource (*.res)|",
                                   "To create a resource for",
                                   "Delphi's component palette|Ressource de Delphi (*.dcr)|",
                                   "To create a standard resource file| |",
                                   "To create a resource for",
                                   "Delphi's components palette| |"};
const ResDialogTable kResGerman = {"Ressource",
                                   "Ressourcenart",
                                   "Welche Ressourcenart",
                                   "möchten Sie erstellen?",
                                   "&Abbruch",
                                   "Eine Standardressource erstellen|Ressourcen-Datei (*.res)|",
                                   "Eine Ressource für Delphis",
                                   "Komponentenpalette erstellen|Delphi-Ressource (*.dcr)|",
                                   "Eine Standardressource erstellen| |",
                                   "Eine Ressource für Delphis",
                                   "Komponentenpalette erstellen| |"};

const IdDialogTable kIdEnglish = {"Start-ID", "&Cancel", "Using more than one Stringtable",
                                  "let enough of scope!|Please insert the Start-ID:|"};
const IdDialogTable kIdFrench = {"Start-ID", "&Cesser", "Using more than one Stringtable",
                                 "let enough of scope!|Please insert the Start-ID:|"};
const IdDialogTable kIdGerman = {"Start-ID", "&Abbruch", "Bei Verwendung mehrerer Stringtables ",
                                 "ausreichend Spielraum lassen!|Bitte Start-ID eingeben:|"};

const OptionsDialogTable kOptEnglish = {"Options",
                                        "Language",
                                        "Links",
                                        "Desktop",
                                        "Startmenu",
                                        "Startup",
                                        "&Cancel",
                                        "|No query before closing",
                                        "Resource Tallowin+|",
                                        "|No Hints|",
                                        "&Uninstall",
                                        "All Registry entries and links will be deleted.",
                                        "Resource Tallowin+ will be deleted after the next Windows Start.",
                                        "Do you really want this?",
                                        "Background",
                                        "Warning"};
const OptionsDialogTable kOptFrench = {"Propriétées",
                                       "Langue",
                                       "Links",
                                       "Desktop",
                                       "Startmenu",
                                       "Startup",
                                       "&Cesser",
                                       "|No query before closing",
                                       "Resource Tallowin+|",
                                       "|No Hints|",
                                       "&Deinstaller",
                                       "All Registry entries and links will be deleted.",
                                       "Resource Tallowin+ will be deleted after the next Windows Start.",
                                       "Do you really want this?",
                                       "Fond",
                                       "Avertissement"};
const OptionsDialogTable kOptGerman = {"Einstellungen",
                                       "Sprache",
                                       "Verknüpfungen",
                                       "Desktop",
                                       "Startmenü",
                                       "Autostart",
                                       "&Abbruch",
                                       "|Keine Abfrage vor Beendigung",
                                       "von Resource Tallowin+|",
                                       "|Keine Hilfe|",
                                       "&Deinstallieren",
                                       "Es werden alle Registrierungseinträge und Verknüpfungen gelöscht.",
                                       "Resource Tallowin+ wird nach dem nächsten Windows-Start gelöscht.",
                                       "Möchten Sie das wirklich?",
                                       "Hintergrund",
                                       "Warnung"};

}  // namespace

const OptionsDialogTable& OptionsDialogStrings(int language) {
    if (language == kFrench) return kOptFrench;
    if (language == kGerman) return kOptGerman;
    return kOptEnglish;
}

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
