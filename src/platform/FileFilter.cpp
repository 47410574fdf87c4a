// Filter conversion for the file dialogs.
#include "platform/FileFilter.h"

namespace restallow {

QStringList QtFilters(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        // "*.*" means every file here, also one without a dot.
        if (patterns.trimmed() == u"*.*") patterns = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return filters;
}

}  // namespace restallow
