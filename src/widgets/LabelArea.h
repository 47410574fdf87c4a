// A label beside a button that acts like the button when the mouse is released over it.
#pragma once

#include <QLabel>

namespace restallow {

class LabelArea : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void released();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace restallow
