// Painting of the circular buttons: pressed buttons look sunk, disabled ones are greyed.
#include "widgets/RoundButton.h"

#include <QPainter>
#include <QRadialGradient>

namespace restallow {

RoundButton::RoundButton(QWidget* parent) : QAbstractButton(parent) {
    setFixedSize(32, 32);
    setCursor(Qt::PointingHandCursor);
}

void RoundButton::setBorderColor(const QColor& color) {
    border_ = color;
    update();
}
void RoundButton::setFaceColor(const QColor& color) {
    face_ = color;
    update();
}
void RoundButton::setShaded(bool shaded) {
    shaded_ = shaded;
    update();
}

bool RoundButton::hitButton(const QPoint& pos) const {
    const QPointF centre = QRectF(rect()).center();
    const qreal dx = pos.x() - centre.x(), dy = pos.y() - centre.y();
    return dx * dx + dy * dy <= (width() / 2.0) * (width() / 2.0);
}

void RoundButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QColor face = isEnabled() ? face_ : face_.lighter(140);
    painter.setPen(QPen(isEnabled() ? border_.darker(150) : QColor(0xA0, 0xA0, 0xA0), 1.5));
    painter.setBrush(border_);
    painter.drawEllipse(outer);
    const QRectF inner = outer.adjusted(4, 4, -4, -4);
    if (shaded_) {
        const bool down = isDown();
        QRadialGradient gradient(inner.center() + QPointF(down ? 3 : -3, down ? 3 : -3), inner.width() * 0.7);
        gradient.setColorAt(0, face.lighter(170));
        gradient.setColorAt(1, face.darker(down ? 130 : 110));
        painter.setBrush(gradient);
    } else {
        painter.setBrush(isDown() ? face.darker(120) : face);
    }
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(inner);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(inner.adjusted(-2, -2, 2, 2));
    }
}

}  // namespace restallow
