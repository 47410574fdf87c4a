// Splitting of hints into tooltip and label.
#include "widgets/Hint.h"

namespace restallow {

QString HintTooltip(const QString& hint) {
    QString tip = hint.section(u'|', 0, 0);
    tip.replace(u'\r', u'\n');
    return tip;
}

QString HintLabel(const QString& hint) {
    if (!hint.contains(u'|')) return hint;
    return hint.section(u'|', 1, 1);
}

}  // namespace restallow
