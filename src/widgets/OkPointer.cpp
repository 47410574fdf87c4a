// The pointer move of the dialogs.
#include "widgets/OkPointer.h"

#include <QAbstractButton>

namespace restallow {

OkPointer::OkPointer(Mover mover, QObject* parent) : QObject(parent), mover_(std::move(mover)) {
    timer_.setSingleShot(true);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &OkPointer::Now);
}

void OkPointer::Now() {
    if (mover_ && ok_) mover_(ok_->mapToGlobal(QPoint(ok_->width() / 2, ok_->height() / 2)));
}

}  // namespace restallow
