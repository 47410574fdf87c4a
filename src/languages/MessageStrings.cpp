// The messages of MessageStrings.h in English, French and German.
#include "languages/MessageStrings.h"

#include "languages/MainStrings.h"

namespace restallow {
namespace {

constexpr MessageTable kEnglishTable = {
    "Out of memory: the command was stopped.",
    "The command was stopped by an unknown error.",
    "The resource compiler could not be started:",
    "The resource compiler failed (exit code %1).",
    "Cannot find the file %1.\rInsert the disk that holds it, then retry.",
    "Expand",
    "The command is longer than the system allows (%1 characters).",
    "No program to start.",
    "No program is associated with %1.",
    "The Start-ID %1 with %2 lines does not fit the string ids 0 to %3.\rPlease insert a Start-ID from 0 to %4.",
    "the picture has no width or height",
    "not a GIF picture",
    "not a valid GIF picture",
    "the clip has no width or height",
    "The AVI clip holds no frame that can be decoded.",
    "%1 cannot be played: no audio device could be opened (%2). Play tries again.",
    "%1 cannot be played: %2",
    "the font cannot be loaded",
    "frame %1: %2",
    "%1 belongs to another version of the program",
    "%1 is in none of these places: %2",
    "The media module that plays sounds and AVI clips cannot be loaded: %1.",
    "Qt's own texts (buttons, file dialogs) stay English: %1 is missing (package qt6-translations-l10n).",
};

constexpr MessageTable kFrenchTable = {
    "Mémoire insuffisante : la commande a été arrêtée.",
    "La commande a été arrêtée par une erreur inconnue.",
    "Le compilateur de ressources n'a pas pu être lancé :",
    "Le compilateur de ressources a échoué (code de sortie %1).",
    "Le fichier %1 est introuvable.\rInsérez la disquette qui le contient, puis réessayez.",
    "Expand",
    "La commande est plus longue que le système ne le permet (%1 caractères).",
    "Aucun programme à lancer.",
    "Aucun programme n'est associé à %1.",
    "Le Start-ID %1 avec %2 lignes ne tient pas dans les numéros de chaîne 0 à %3.\rVeuillez saisir un Start-ID de 0 à %4.",
    "l'image n'a ni largeur ni hauteur",
    "ce n'est pas une image GIF",
    "image GIF non valide",
    "le clip n'a ni largeur ni hauteur",
    "Le clip AVI ne contient aucune image décodable.",
    "%1 ne peut pas être joué : aucun périphérique audio n'a pu être ouvert (%2). La lecture réessaie.",
    "%1 ne peut pas être joué : %2",
    "la police ne peut pas être chargée",
    "image %1 : %2",
    "%1 appartient à une autre version du programme",
    "%1 ne se trouve à aucun de ces endroits : %2",
    "Le module multimédia qui joue les sons et les clips AVI ne peut pas être chargé : %1.",
    "Les textes de Qt (boutons, dialogues de fichiers) restent en anglais : %1 manque (paquet qt6-translations-l10n).",
};

constexpr MessageTable kGermanTable = {
    "Nicht genug Speicher: Der Befehl wurde abgebrochen.",
    "Der Befehl wurde durch einen unbekannten Fehler abgebrochen.",
    "Der Ressourcen-Compiler konnte nicht gestartet werden:",
    "Der Ressourcen-Compiler ist gescheitert (Exit-Code %1).",
    "Die Datei %1 wurde nicht gefunden.\rLegen Sie die Diskette ein, auf der sie liegt, und versuchen Sie es erneut.",
    "Expandieren",
    "Der Befehl ist länger, als das System erlaubt (%1 Zeichen).",
    "Kein Programm zum Starten.",
    "Mit %1 ist kein Programm verknüpft.",
    "Die Start-ID %1 mit %2 Zeilen passt nicht in die String-IDs 0 bis %3.\rBitte geben Sie eine Start-ID von 0 bis %4 ein.",
    "das Bild hat keine Breite oder Höhe",
    "kein GIF-Bild",
    "kein gültiges GIF-Bild",
    "der Clip hat keine Breite oder Höhe",
    "Der AVI-Clip enthält kein Bild, das sich dekodieren lässt.",
    "%1 kann nicht abgespielt werden: Kein Audiogerät ließ sich öffnen (%2). Abspielen versucht es erneut.",
    "%1 kann nicht abgespielt werden: %2",
    "die Schrift kann nicht geladen werden",
    "Bild %1: %2",
    "%1 gehört zu einer anderen Version des Programms",
    "%1 liegt an keinem dieser Orte: %2",
    "Das Medienmodul, das Klänge und AVI-Clips abspielt, kann nicht geladen werden: %1.",
    "Die Texte von Qt (Schaltflächen, Dateidialoge) bleiben englisch: %1 fehlt (Paket qt6-translations-l10n).",
};

}  // namespace

const MessageTable& MessageStrings(int language) {
    switch (language) {
    case kFrench: return kFrenchTable;
    case kGerman: return kGermanTable;
    default: return kEnglishTable;
    }
}

}  // namespace restallow
