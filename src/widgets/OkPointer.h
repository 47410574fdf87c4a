// Moves the mouse pointer onto the centre of a dialog's OK button: at once, or 100 ms later
// (the pause lets a dialog that has just been shown settle at its place first).
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

class QAbstractButton;

namespace restallow {

class OkPointer : public QObject {
    Q_OBJECT

public:
    using Mover = std::function<void(const QPoint& globalPosition)>;

    explicit OkPointer(Mover mover, QObject* parent = nullptr);
    void setButton(QAbstractButton* ok) { ok_ = ok; }
    void Later() { timer_.start(); }
    void Now();

private:
    Mover mover_;
    QAbstractButton* ok_ = nullptr;
    QTimer timer_;
};

}  // namespace restallow
