// Eliding a path in its folder part.
#include "widgets/PathElision.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

namespace restallow {

QString ElideFolder(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const qsizetype slash = text.lastIndexOf(u'/');
    const QString tail = slash < 0 ? text : text.mid(slash);  // "/logo.bmp" with the closing quote
    const QString head = slash < 0 ? QString() : text.left(slash);
    const int room = width - metrics.horizontalAdvance(tail);
    if (head.isEmpty() || room < metrics.horizontalAdvance(QStringLiteral("\u2026")) * 2) {
        return metrics.elidedText(tail, Qt::ElideLeft, width);
    }
    return metrics.elidedText(head, Qt::ElideMiddle, room) + tail;
}

void PathElisionDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->rect.width() <= 0) return;  // asked for its size, not drawn
    const QStyle* style = option->widget ? option->widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1;
    option->text = ElideFolder(option->text, option->fontMetrics, option->rect.width() - 2 * margin);
}

}  // namespace restallow
