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
    "This file cannot go into a resource script:",
    "Its name holds a line break, a NUL or Ctrl+Z character, a double quote, \"*/\" in the name of a text file, "
    "or bytes that are no text. Rename the file first.",
    "A resource name is a number from 0 to 65535, or a letter or \"_\" followed by letters, digits, \"_\" and \".\", "
    "and no word such as STRINGTABLE or LANGUAGE. The name stays as it was:",
    "The script is not saved: the name of this entry cannot stand in a resource script. Rename it first:",
    "The script is not saved: the file name of this entry cannot stand in a resource script:",
    "The script is not saved: this entry would not load back from it as it stands in the list:",
    "The settings file is larger than 1 MB and is not read:",
    "Resource Tallowin+ starts with its default settings. The file stays as it is until you change a setting.",
    "No sound can be played here: no audio device could be opened",
    "Expand failed: ",
    "Minimize failed: ",
    "Compiler",
    "Include folders",
    "Searched for included files and resource files after the script's own folder, in this order",
    "Defines (NAME=VALUE)",
    "One define a line: NAME or NAME=VALUE, given to the compiler as -D",
    "&Add...",
    "&Remove",
    "Include folder",
    "A define is NAME or NAME=VALUE, its NAME made of letters, digits and \"_\" and not beginning with a digit. "
    "This line is none:",
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
    "Le Start-ID %1 avec %2 lignes ne tient pas dans les numéros de chaîne 0 à %3.\rVeuillez saisir un Start-ID de 0 à "
    "%4.",
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
    "Ce fichier ne peut pas entrer dans un script de ressource :",
    "Son nom contient un saut de ligne, un caractère NUL ou Ctrl+Z, un guillemet, « */ » dans le nom d'un fichier "
    "texte, ou des octets qui ne sont pas du texte. Renommez d'abord le fichier.",
    "Un nom de ressource est un nombre de 0 à 65535, ou une lettre ou « _ » suivie de lettres, de chiffres, de « _ » "
    "et de « . », sans mot comme STRINGTABLE ou LANGUAGE. Le nom reste tel qu'il était :",
    "Le script n'est pas enregistré : le nom de cette entrée ne peut pas figurer dans un script de ressource. "
    "Renommez-la d'abord :",
    "Le script n'est pas enregistré : le nom de fichier de cette entrée ne peut pas figurer dans un script de "
    "ressource :",
    "Le script n'est pas enregistré : cette entrée n'en serait pas relue telle qu'elle est dans la liste :",
    "Le fichier des paramètres dépasse 1 Mo et n'est pas lu :",
    "Resource Tallowin+ démarre avec ses paramètres par défaut. Le fichier reste tel quel jusqu'à ce que vous "
    "changiez un paramètre.",
    "Aucun son ne peut être joué ici : aucun périphérique audio n'a pu être ouvert",
    "Échec de l'expansion : ",
    "Échec de la minimisation : ",
    "Compilateur",
    "Dossiers d'inclusion",
    "Cherchés pour les fichiers inclus et les fichiers de ressource après le dossier du script, dans cet ordre",
    "Définitions (NOM=VALEUR)",
    "Une définition par ligne : NOM ou NOM=VALEUR, passée au compilateur par -D",
    "&Ajouter...",
    "&Retirer",
    "Dossier d'inclusion",
    "Une définition s'écrit NOM ou NOM=VALEUR, le NOM fait de lettres, de chiffres et de « _ », sans chiffre au "
    "début. Cette ligne n'en est pas une :",
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
    "Die Start-ID %1 mit %2 Zeilen passt nicht in die String-IDs 0 bis %3.\rBitte geben Sie eine Start-ID von 0 bis %4 "
    "ein.",
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
    "Diese Datei kann nicht in ein Ressourcen-Script aufgenommen werden:",
    "Ihr Name enthält einen Zeilenumbruch, ein NUL- oder Strg+Z-Zeichen, ein Anführungszeichen, „*/“ im Namen einer "
    "Textdatei oder Bytes, die kein Text sind. Bitte benennen Sie die Datei zuerst um.",
    "Ein Ressourcenname ist eine Zahl von 0 bis 65535 oder ein Buchstabe oder „_“, gefolgt von Buchstaben, Ziffern, "
    "„_“ und „.“, und kein Wort wie STRINGTABLE oder LANGUAGE. Der Name bleibt, wie er war:",
    "Das Script wird nicht gespeichert: Der Name dieses Eintrags kann in keinem Ressourcen-Script stehen. Bitte "
    "benennen Sie ihn zuerst um:",
    "Das Script wird nicht gespeichert: Der Dateiname dieses Eintrags kann in keinem Ressourcen-Script stehen:",
    "Das Script wird nicht gespeichert: Dieser Eintrag käme nicht so aus ihm zurück, wie er in der Liste steht:",
    "Die Einstellungsdatei ist größer als 1 MB und wird nicht gelesen:",
    "Resource Tallowin+ startet mit den voreingestellten Werten. Die Datei bleibt unverändert, bis Sie eine "
    "Einstellung ändern.",
    "Hier kann kein Klang abgespielt werden: Kein Audiogerät ließ sich öffnen",
    "Expandieren fehlgeschlagen: ",
    "Minimieren fehlgeschlagen: ",
    "Compiler",
    "Include-Ordner",
    "Nach eingebundenen Dateien und Ressourcendateien durchsucht, nach dem Ordner des Scripts, in dieser Reihenfolge",
    "Definitionen (NAME=WERT)",
    "Eine Definition je Zeile: NAME oder NAME=WERT, dem Compiler mit -D übergeben",
    "&Hinzufügen...",
    "&Entfernen",
    "Include-Ordner",
    "Eine Definition lautet NAME oder NAME=WERT, der NAME aus Buchstaben, Ziffern und „_“ und nicht mit einer Ziffer "
    "beginnend. Diese Zeile ist keine:",
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
