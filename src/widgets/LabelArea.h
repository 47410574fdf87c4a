// An invisible area over a button's panel label that acts like the button when the mouse is
// released over it.
#pragma once

#include <QWidget>

namespace restallow {

class LabelArea : public QWidget {
    Q_OBJECT

public:
    explicit LabelArea(QWidget* parent = nullptr);

signals:
    void released();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace restallow
