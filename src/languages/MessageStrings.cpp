// The later messages in English, French and German.
#include "languages/MessageStrings.h"

#include "languages/MainStrings.h"

namespace restallow {
namespace {

const MessageTable kEnglishMessages = {
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

const MessageTable kFrenchMessages = {
    "Ce fichier ne peut pas entrer dans un script de ressource :",
    "Son nom contient un saut de ligne, un caractère NUL ou Ctrl+Z, un guillemet, « */ » dans le nom d'un fichier "
    "texte, ou des octets qui ne sont pas du texte. Renommez d'abord le fichier.",
    "Un nom de ressource est un nombre de 0 à 65535, ou une lettre ou « _ » suivie de lettres, de chiffres, de « _ » "
    "et de « . », sans mot comme STRINGTABLE ou LANGUAGE. Le nom reste tel qu'il était :",
    "Le script n'est pas enregistré : le nom de cette entrée ne peut pas figurer dans un script de ressource. "
    "Renommez-la d'abord :",
    "Le script n'est pas enregistré : le nom de fichier de cette entrée ne peut pas figurer dans un script de ressource :",
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

const MessageTable kGermanMessages = {
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
    if (language == kFrench) return kFrenchMessages;
    if (language == kGerman) return kGermanMessages;
    return kEnglishMessages;
}

}  // namespace restallow
