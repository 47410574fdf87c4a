// Painting of the caption strip.
#include "widgets/CaptionStrip.h"

#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>

namespace restallow {

CaptionStrip::CaptionStrip(QWidget* parent) : QWidget(parent), options_(new QToolButton(this)) {
    setFixedHeight(20);
    options_->setText(QStringLiteral("O"));
    options_->setObjectName(QStringLiteral("CaptionButton"));
    // Font and palette rather than a style sheet: a style sheet costs the start-up a style of its own.
    QFont letter(QStringLiteral("MS Sans Serif"), 8);
    letter.setBold(true);
    options_->setFont(letter);
    QPalette colours = options_->palette();
    colours.setColor(QPalette::ButtonText, Qt::red);
    options_->setPalette(colours);
    connect(options_, &QToolButton::clicked, this, &CaptionStrip::optionsClicked);
}

void CaptionStrip::resizeEvent(QResizeEvent*) { options_->setGeometry(width() - 20, 2, 16, 16); }

void CaptionStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, palette().color(QPalette::Highlight));
    gradient.setColorAt(1, QColor(0xFF, 0x80, 0x80));
    painter.fillRect(rect(), gradient);

    QFont company = font();
    company.setBold(true);
    company.setItalic(true);
    QFont title = font();
    title.setBold(true);
    const QString parts[] = {QStringLiteral("Orvel "), QStringLiteral("Resource Tallowin+ "), QStringLiteral("v1.0")};
    const QFont fonts[] = {company, title, font()};
    int total = 0;
    for (int i = 0; i < 3; ++i) total += QFontMetrics(fonts[i]).horizontalAdvance(parts[i]);
    int x = (width() - total) / 2;
    painter.setPen(Qt::white);
    for (int i = 0; i < 3; ++i) {
        painter.setFont(fonts[i]);
        painter.drawText(QRect(x, 0, width(), height()), Qt::AlignVCenter | Qt::AlignLeft, parts[i]);
        x += QFontMetrics(fonts[i]).horizontalAdvance(parts[i]);
    }
}

}  // namespace restallow
