// The install list that Uninstall follows: the install step writes it to
// PREFIX/share/restallow/install-manifest.txt, one line "prefix=PREFIX" and then the installed
// files relative to PREFIX, one a line. The prefix itself is never taken from the list: it is
// the folder above the running program's own. A list that disagrees with it anywhere is refused
// whole, so that nothing it names is removed.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace restallow {

struct InstallListRefusal {
    enum Reason { NoPrefix, SecondPrefix, OtherPrefix, ControlCharacter, Outside, Symlinked, Unreadable };
    Reason reason = NoPrefix;
    int line = 0;     // counted from 1; 0 when the reason concerns no single line
    QString subject;  // the line or entry as written (control characters shown), or why it cannot be read
    QString folder;   // the install folder, or the symlinked folder, that the reason names
};

struct InstallList {
    QStringList files;  // full paths to remove; empty when refused
    std::optional<InstallListRefusal> refusal;
};

// The install prefix of a program that runs from `programFolder` (PREFIX/bin).
QString InstallPrefix(const QString& programFolder);
QString InstallListPath(const QString& prefix);

// Checks every line against `prefix`: exactly one "prefix=" line, naming that folder; no control
// character anywhere; every entry relative, without "..", inside the prefix and reached through
// no symlinked folder. The first line that fails refuses the whole list.
InstallList CheckInstallList(const QStringList& lines, const QString& prefix);
// The list at `path`: a missing list names no file; one that cannot be read is refused.
InstallList ReadInstallList(const QString& path, const QString& prefix);

// The message that names the refusal, in the user's language; lines are separated by CRs.
QString RefusalMessage(const InstallListRefusal& refusal, const QString& listPath, int language);
// The text with each control character written as \n, \t, \r or \xNN.
QString ShownWithControls(const QString& text);

}  // namespace restallow
