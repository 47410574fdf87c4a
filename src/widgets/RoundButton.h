// A circular push button with border, face and (optionally) shaded face colours.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace restallow {

class RoundButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit RoundButton(QWidget* parent = nullptr);

    void setBorderColor(const QColor& color);
    void setFaceColor(const QColor& color);
    void setShaded(bool shaded);
    QColor faceColor() const { return face_; }
    QColor borderColor() const { return border_; }
    bool shaded() const { return shaded_; }
    QSize sizeHint() const override { return {32, 32}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QColor border_ = QColor(0x80, 0x80, 0x80);
    QColor face_ = QColor(0x80, 0x80, 0x80);
    bool shaded_ = true;
};

}  // namespace restallow
