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

// Colours through the palette rather than a style sheet, which would cost the start-up a style of its own.
void CaptionedProgressBar::applyStyle() {
    setAlignment(Qt::AlignCenter);
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Highlight, bar_);
        colours.setColor(group, QPalette::Base, background_);
        colours.setColor(group, QPalette::Window, background_);
    }
    setPalette(colours);
}

}  // namespace restallow
