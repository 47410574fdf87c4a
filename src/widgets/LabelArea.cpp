// Label areas release like buttons, but only over the label and only when enabled.
#include "widgets/LabelArea.h"

#include <QMouseEvent>

namespace restallow {

void LabelArea::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint())) {
        emit released();
    }
}

}  // namespace restallow
