// Readme prose. Each paragraph is one line; the text box wraps it.
#include "shell/ReadmeTexts.h"

#include "languages/MainStrings.h"

namespace restallow {
namespace {

const char* const kEnglishLines[] = {
    "",
    "",
    "Resource Tallowin+ v1.01",
    "========================",
    "(c) 1999-2026 Orvel, written by the Resource Tallowin+ team",
    "eMail: ",
    "",
    "Resource Tallowin+ is free of charge. You may copy and pass it on as long as it stays unchanged and nobody asks "
    "money for it.",
    "The program is given as it is. Its author takes no liability for any damage that its use or the impossibility of "
    "its use may cause.",
    "Newer versions are announced at the address above; ask for them by mail.",
    "",
    "What Resource Tallowin+ is not",
    "------------------------------",
    "It does not create the resources themselves: pictures, icons, cursors, sounds, clips, fonts and texts must be "
    "made with other programs first.",
    "",
    "What Resource Tallowin+ is",
    "--------------------------",
    "It turns a list of ready-made files into a resource script and compiles the script into 16-bit or 32-bit RES "
    "files, or DCR files for the component palette.",
    "It keeps the palette of 256-colour pictures, expands compressed files from installation disks and minimizes "
    "16-bit EXE files.",
    "",
    "Required environment",
    "--------------------",
    "Linux with a desktop (X11 or Wayland); the program is portable to Windows.",
    "The resource compiler restallow-rc comes with the program; an installed Delphi 3.0 or 2.0 resource compiler is "
    "used instead when one is registered. The 16-bit minimizer restallow-min comes with it as well.",
    "",
    "Best graphics mode",
    "------------------",
    "16-bit colour (65536 colours) or more. With 256 colours or fewer the window shows a plain look.",
    "",
    "How to use it",
    "-------------",
    "Make your resources with the programs you like best and keep them at hand: bitmaps, icons, cursors, animated "
    "cursors, AVI clips, GIF and JPEG pictures, MIDI and WAVE sounds, TrueType fonts, include files and any other file "
    "as raw data.",
    "A text file becomes a string table: every line of it is one string. Write one string per line.",
    "At the first Add of an empty list the program asks whether you build a standard resource file (RES) or a resource "
    "for the component palette (DCR); for a DCR only bitmaps are offered.",
    "Every entry gets a name made of its kind and a running number. Click a selected name to change it; blanks are "
    "removed from names.",
    "Tick Preview to see the selected entry in a floating window: pictures are reduced to fit, animations play, sounds "
    "have Play and Stop.",
    "For a text file the Start-ID dialog asks for the number of the first string. The next proposal lies past the "
    "numbers just used, so several string tables do not overlap.",
    "Script saves the list as a resource script. Such a script can be loaded again through the input field to continue "
    "a project later; do not change its framed header.",
    "Select several entries with Shift or Ctrl and delete them at once with Delete.",
    "To remove the program, use Uninstall in the options dialog (the button O in the caption bar).",
    "After every command the mouse pointer jumps to the button you are likely to need next, and every dialog puts it "
    "onto its OK button.",
    "",
    "Please report errors, and help with translations is welcome.",
    "Write to the address above.",
    "",
    "Have fun with it!",
    "The Resource Tallowin+ team",
};

const char* const kGermanLines[] = {
    "",
    "",
    "Resource Tallowin+ v1.01",
    "========================",
    "(c) 1999-2026 Orvel, geschrieben vom Resource-Tallowin+-Team",
    "eMail: ",
    "",
    "Resource Tallowin+ ist kostenlos. Sie dürfen es unverändert kopieren und weitergeben, solange niemand Geld dafür "
    "verlangt.",
    "Das Programm wird so überlassen, wie es ist. Der Autor haftet für keine Schäden, die durch seine Verwendung oder "
    "die Unmöglichkeit seiner Verwendung entstehen.",
    "Neuere Versionen werden unter der obigen Adresse angekündigt; fragen Sie per Mail danach.",
    "",
    "Was Resource Tallowin+ nicht ist",
    "--------------------------------",
    "Es erstellt die Ressourcen nicht selbst: Bilder, Symbole, Zeiger, Klänge, Clips, Schriften und Texte müssen "
    "vorher mit anderen Programmen erstellt werden.",
    "",
    "Was Resource Tallowin+ ist",
    "--------------------------",
    "Es macht aus einer Liste fertiger Dateien ein Ressourcen-Script und kompiliert dieses zu 16- oder "
    "32-Bit-RES-Dateien oder zu DCR-Dateien für die Komponentenpalette.",
    "Es erhält die Palette von Bildern mit 256 Farben, expandiert komprimierte Dateien von Installationsdisketten und "
    "minimiert 16-Bit-EXE-Dateien.",
    "",
    "Benötigte Umgebung",
    "------------------",
    "Linux mit einer Arbeitsoberfläche (X11 oder Wayland); das Programm lässt sich nach Windows portieren.",
    "Der Ressourcen-Compiler restallow-rc liegt dem Programm bei; ist ein Ressourcen-Compiler von Delphi 3.0 oder 2.0 "
    "registriert, wird stattdessen dieser verwendet. Auch der 16-Bit-Minimierer restallow-min liegt bei.",
    "",
    "Bester Grafikmodus",
    "------------------",
    "16 Bit Farbtiefe (65536 Farben) oder mehr. Mit 256 Farben oder weniger zeigt das Fenster ein schlichtes Aussehen.",
    "",
    "Bedienung",
    "---------",
    "Erstellen Sie Ihre Ressourcen mit den Programmen Ihrer Wahl und halten Sie sie bereit: Bitmaps, Symbole, Zeiger, "
    "animierte Zeiger, AVI-Clips, GIF- und JPEG-Bilder, MIDI- und WAVE-Klänge, TrueType-Schriften, Include-Dateien und "
    "jede andere Datei als Rohdaten.",
    "Eine Textdatei wird zu einer Stringtable: jede ihrer Zeilen ist ein String. Schreiben Sie einen String pro Zeile.",
    "Beim ersten Addieren in eine leere Liste fragt das Programm, ob Sie eine Standard-Ressourcendatei (RES) oder eine "
    "Ressource für die Komponentenpalette (DCR) erstellen; für eine DCR werden nur Bitmaps angeboten.",
    "Jeder Eintrag erhält einen Namen aus seiner Art und einer laufenden Nummer. Ein Klick auf einen markierten Namen "
    "ändert ihn; Leerzeichen werden aus Namen entfernt.",
    "Mit Vorschau sehen Sie den markierten Eintrag in einem schwebenden Fenster: Bilder werden passend verkleinert, "
    "Animationen laufen, Klänge haben Abspielen und Stopp.",
    "Für eine Textdatei fragt der Start-ID-Dialog nach der Nummer des ersten Strings. Der nächste Vorschlag liegt "
    "hinter den eben verwendeten Nummern, so dass sich mehrere Stringtables nicht überschneiden.",
    "Mit Script wird die Liste als Ressourcen-Script gespeichert. Ein solches Script kann über das Eingabefeld wieder "
    "geladen werden, um ein Projekt später fortzusetzen; ändern Sie seinen umrahmten Kopf nicht.",
    "Mehrere Einträge markieren Sie mit Umschalt oder Strg und löschen sie mit Löschen auf einmal.",
    "Um das Programm zu entfernen, benutzen Sie Deinstallieren im Einstellungsdialog (die Schaltfläche O in der "
    "Titelleiste).",
    "Nach jedem Befehl springt der Mauszeiger auf die Schaltfläche, die Sie wahrscheinlich als nächste brauchen, und "
    "jeder Dialog setzt ihn auf seine OK-Schaltfläche.",
    "",
    "Bitte melden Sie Fehler; Hilfe bei Übersetzungen ist willkommen.",
    "Schreiben Sie an die obige Adresse.",
    "",
    "Viel Spaß damit!",
    "Das Resource-Tallowin+-Team",
};

template <std::size_t N>
QStringList ToList(const char* const (&lines)[N]) {
    QStringList list;
    for (const char* line : lines) list << QString::fromUtf8(line);
    return list;
}

}  // namespace

QStringList ReadmeLines(int language) { return language == kGerman ? ToList(kGermanLines) : ToList(kEnglishLines); }

}  // namespace restallow
