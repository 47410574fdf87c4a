// The File column's text where it is too narrow: the file name stays whole and the folder gives
// way in its middle ("/home/me/…/art/logo.bmp").
#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;

namespace restallow {

// The text cut to `width` pixels: whole when it fits, else its folder part elided in the middle;
// a name too long for the width alone keeps its end, where the extension stands.
QString ElideFolder(const QString& text, const QFontMetrics& metrics, int width);

// Draws its column's text cut by ElideFolder.
class PathElisionDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace restallow
