// Filter conversion for the file dialogs.
#include "platform/FileFilter.h"

#include <QRegularExpression>

namespace restallow {

QStringList QtFilters(const QString& windowsFilter) {
    // The descriptions name their patterns already, as "Bitmaps (*.bmp)"; Qt reads the patterns
    // from the last parentheses, so those are replaced by the real ones instead of added twice.
    static const QRegularExpression kNamedPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        // "*.*" means every file here, also one without a dot.
        if (patterns.trimmed() == u"*.*") patterns = QStringLiteral("*");
        QString description = parts[i];
        description.remove(kNamedPatterns);
        filters << description + QStringLiteral(" (") + patterns.simplified() + u')';
    }
    return filters;
}

}  // namespace restallow
