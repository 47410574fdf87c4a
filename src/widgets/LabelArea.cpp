// Label areas release like buttons, but only over the area and only when enabled.
#include "widgets/LabelArea.h"

#include <QMouseEvent>

namespace restallow {

LabelArea::LabelArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void LabelArea::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint())) {
        emit released();
    }
}

}  // namespace restallow
