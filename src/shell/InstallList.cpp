// Reading and checking the install list.
#include "shell/InstallList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "fileaccess/InputFile.h"
#include "languages/UninstallStrings.h"

namespace restallow {
namespace {

constexpr std::uint64_t kListLimit = 1024 * 1024;
const QString kPrefixKey = QStringLiteral("prefix=");

bool IsControl(QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); }

bool HasControl(const QString& text) { return std::any_of(text.begin(), text.end(), IsControl); }

// The list's prefix names the program's folder: the same path, or the same folder reached
// through a symlink at install time.
bool SameFolder(const QString& listed, const QString& prefix) {
    if (!QDir::isAbsolutePath(listed)) return false;
    if (QDir::cleanPath(listed) == prefix) return true;
    const QString canonical = QFileInfo(listed).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(prefix).canonicalFilePath();
}

// The first folder between `prefix` (exclusive) and `path` that is a symlink: removing through it
// would reach files outside the prefix.
QString SymlinkedFolder(const QString& prefix, const QString& path) {
    for (QString dir = QFileInfo(path).path(); dir.size() > prefix.size(); dir = QFileInfo(dir).path()) {
        if (QFileInfo(dir).isSymLink()) return dir;
    }
    return {};
}

InstallListRefusal Refuse(InstallListRefusal::Reason reason, int line, const QString& subject,
                          const QString& folder = {}) {
    return {reason, line, ShownWithControls(subject), ShownWithControls(folder)};
}

// One entry: the full path to remove, or why the list is refused.
std::optional<InstallListRefusal> CheckEntry(const QString& entry, int line, const QString& prefix, QString* file) {
    *file = QDir::cleanPath(prefix + u'/' + entry);
    const bool inside = !QDir::isAbsolutePath(entry) && !entry.split(u'/').contains(QStringLiteral("..")) &&
                        file->startsWith(prefix + u'/');
    if (!inside) return Refuse(InstallListRefusal::Outside, line, entry, prefix);
    if (const QString link = SymlinkedFolder(prefix, *file); !link.isEmpty())
        return Refuse(InstallListRefusal::Symlinked, line, entry, link);
    return std::nullopt;
}

}  // namespace

QString InstallPrefix(const QString& programFolder) {
    // The path the removal script will find again: no symlink on the way.
    const QString prefix = QDir::cleanPath(programFolder + QStringLiteral("/.."));
    const QString canonical = QFileInfo(prefix).canonicalFilePath();
    return canonical.isEmpty() ? prefix : canonical;
}

QString InstallListPath(const QString& prefix) {
    return prefix + QStringLiteral("/share/restallow/install-manifest.txt");
}

QString ShownWithControls(const QString& text) {
    QString shown;
    for (const QChar c : text) {
        if (!IsControl(c))
            shown += c;
        else if (c == u'\n')
            shown += QStringLiteral("\\n");
        else if (c == u'\t')
            shown += QStringLiteral("\\t");
        else if (c == u'\r')
            shown += QStringLiteral("\\r");
        else
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
    return shown;
}

InstallList CheckInstallList(const QStringList& lines, const QString& programPrefix) {
    const QString prefix = QDir::cleanPath(programPrefix);
    InstallList list;
    const auto refused = [&list](InstallListRefusal refusal) {
        list.files.clear();
        list.refusal = std::move(refusal);
        return list;
    };
    bool named = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (HasControl(line)) return refused(Refuse(InstallListRefusal::ControlCharacter, i + 1, line));
        if (line.startsWith(kPrefixKey)) {
            const QString listed = line.mid(kPrefixKey.size());
            if (named) return refused(Refuse(InstallListRefusal::SecondPrefix, i + 1, listed));
            if (!SameFolder(listed, prefix))
                return refused(Refuse(InstallListRefusal::OtherPrefix, i + 1, listed, prefix));
            named = true;
            continue;
        }
        if (line.isEmpty()) continue;
        if (!named) return refused(Refuse(InstallListRefusal::NoPrefix, i + 1, line));
        QString file;
        if (auto refusal = CheckEntry(line, i + 1, prefix, &file)) return refused(std::move(*refusal));
        list.files << file;
    }
    return list;
}

InstallList ReadInstallList(const QString& path, const QString& prefix) {
    const fileaccess::Result<std::string> bytes = fileaccess::ReadFile(path.toStdString(), kListLimit);
    if (!bytes && bytes.error().missing()) return {};
    if (!bytes) return {{}, Refuse(InstallListRefusal::Unreadable, 0, QString::fromStdString(bytes.error().message))};
    QStringList lines = QString::fromUtf8(*bytes).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the end of the last line
    return CheckInstallList(lines, prefix);
}

QString RefusalMessage(const InstallListRefusal& refusal, const QString& listPath, int language) {
    const UninstallTable& table = UninstallStrings(language);
    const auto text = [&table](UninstallText row) { return QString::fromUtf8(table[row]); };
    const QString line = QString::number(refusal.line);
    QString reason;
    switch (refusal.reason) {
        case InstallListRefusal::NoPrefix: reason = text(UnNoPrefix); break;
        case InstallListRefusal::SecondPrefix: reason = text(UnSecondPrefix).arg(line, refusal.subject); break;
        case InstallListRefusal::OtherPrefix: reason = text(UnOtherPrefix).arg(refusal.subject, refusal.folder); break;
        case InstallListRefusal::ControlCharacter: reason = text(UnControlCharacter).arg(line, refusal.subject); break;
        case InstallListRefusal::Outside: reason = text(UnOutside).arg(line, refusal.folder, refusal.subject); break;
        case InstallListRefusal::Symlinked:
            reason = text(UnSymlinked).arg(line, refusal.folder, refusal.subject);
            break;
        case InstallListRefusal::Unreadable: reason = text(UnUnreadable).arg(refusal.subject); break;
    }
    return text(UnListRefused).arg(ShownWithControls(listPath)) + u'\r' + reason;
}

}  // namespace restallow
