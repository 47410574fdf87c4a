// Tooltips are asked for with a ToolTip event; the switch swallows those events.
#include "widgets/TooltipSwitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolTip>

namespace restallow {

TooltipSwitch::TooltipSwitch(QObject* parent) : QObject(parent) {
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

TooltipSwitch::~TooltipSwitch() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

void TooltipSwitch::setOn(bool on) {
    on_ = on;
    if (!on) QToolTip::hideText();
}

bool TooltipSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (!on_ && event->type() == QEvent::ToolTip) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace restallow
