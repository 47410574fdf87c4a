// Uninstall texts in English, French and German.
#include "languages/UninstallStrings.h"

#include "languages/MainStrings.h"

namespace restallow {
namespace {

const UninstallTable kUninstallEnglish = {
    "Resource Tallowin+ was installed by a package: your package manager removes the program itself.",
    "The install list %1 is refused, so no file of the program will be removed:",
    "it names no install folder (no line \"prefix=\").",
    "line %1 names a second install folder: %2",
    "its install folder %1 is not the folder the program runs from: %2",
    "line %1 holds a control character: %2",
    "line %1 names a file outside the install folder %2: %3",
    "line %1 names a file behind the symlinked folder %2: %3",
    "it cannot be read: %1"};
const UninstallTable kUninstallFrench = {
    "Resource Tallowin+ a été installé par un paquet : votre gestionnaire de paquets supprime le programme lui-même.",
    "La liste d'installation %1 est refusée ; aucun fichier du programme ne sera supprimé :",
    "elle ne nomme aucun dossier d'installation (pas de ligne \"prefix=\").",
    "la ligne %1 nomme un second dossier d'installation : %2",
    "son dossier d'installation %1 n'est pas le dossier d'où le programme est lancé : %2",
    "la ligne %1 contient un caractère de contrôle : %2",
    "la ligne %1 nomme un fichier hors du dossier d'installation %2 : %3",
    "la ligne %1 nomme un fichier atteint par le dossier %2, qui est un lien symbolique : %3",
    "elle ne peut pas être lue : %1"};
const UninstallTable kUninstallGerman = {
    "Resource Tallowin+ wurde als Paket installiert: Ihre Paketverwaltung entfernt das Programm selbst.",
    "Die Installationsliste %1 wird abgelehnt, daher wird keine Datei des Programms gelöscht:",
    "Sie nennt keinen Installationsordner (keine Zeile \"prefix=\").",
    "Zeile %1 nennt einen zweiten Installationsordner: %2",
    "Ihr Installationsordner %1 ist nicht der Ordner, aus dem das Programm läuft: %2",
    "Zeile %1 enthält ein Steuerzeichen: %2",
    "Zeile %1 nennt eine Datei außerhalb des Installationsordners %2: %3",
    "Zeile %1 nennt eine Datei hinter dem symbolisch verknüpften Ordner %2: %3",
    "Sie kann nicht gelesen werden: %1"};

}  // namespace

const UninstallTable& UninstallStrings(int language) {
    if (language == kFrench) return kUninstallFrench;
    if (language == kGerman) return kUninstallGerman;
    return kUninstallEnglish;
}

}  // namespace restallow
