// Caption and colours of the progress bar.
#include "widgets/CaptionedProgressBar.h"

namespace restallow {

CaptionedProgressBar::CaptionedProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setTextVisible(true);
    QFont italic(QStringLiteral("Comic Sans MS"), 8);
    italic.setItalic(true);
    setFont(italic);
    applyStyle();
}

void CaptionedProgressBar::setCaption(const QString& caption) { setFormat(caption); }

void CaptionedProgressBar::setBarColor(const QColor& color) {
    bar_ = color;
    applyStyle();
}

void CaptionedProgressBar::setBackground(const QColor& color) {
    background_ = color;
    applyStyle();
}

void CaptionedProgressBar::applyStyle() {
    setStyleSheet(QStringLiteral("QProgressBar { background: %1; border: 1px solid gray; text-align: center; }"
                                 "QProgressBar::chunk { background: %2; }")
                      .arg(background_.name(), bar_.name()));
}

}  // namespace restallow
