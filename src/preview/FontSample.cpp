// No font resource file is written: the family comes from the font's own name table.
#include "preview/FontSample.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "preview/MediaHeaders.h"
#include "widgets/UiText.h"

namespace restallow {

fileaccess::Result<FontSample> DrawFontSample(const QString& path, const std::string& fileBytes,
                                              const QStringList& installed, int language) {
    const auto family = ReadFontFamily(fileBytes);
    if (!family) return family.error();
    const QString face = QString::fromStdString(*family).left(32);
    int added = -1;
    if (!installed.contains(face, Qt::CaseInsensitive)) {
        added = QFontDatabase::addApplicationFont(path);
        if (added < 0)
            return fileaccess::Error{fileaccess::ErrorKind::Open, 0, MsgText(language, MsgFontNotLoaded).toStdString()};
    }
    struct RemoveFont {
        int id;
        ~RemoveFont() {
            if (id >= 0) QFontDatabase::removeApplicationFont(id);
        }
    } removeAtEnd{added};
    const QFont font(face, 12);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(face);
    QPixmap sample(std::max(60, textWidth + 6), 60);
    sample.fill(QApplication::palette().color(QPalette::Button));
    QPainter painter(&sample);
    painter.setFont(font);
    painter.setPen(QColor(0x00, 0x00, 0x80));
    painter.drawText((sample.width() - textWidth) / 2, (60 - metrics.height()) / 2 + metrics.ascent(), face);
    painter.end();
    return FontSample{face, sample};
}

}  // namespace restallow
