// A progress bar that shows a fixed caption and the bar in a colour of its own.
#pragma once

#include <QProgressBar>

namespace restallow {

class CaptionedProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit CaptionedProgressBar(QWidget* parent = nullptr);
    void setCaption(const QString& caption);
    void setBarColor(const QColor& color);
    void setBackground(const QColor& color);

private:
    void applyStyle();
    QColor bar_ = QColor(0xFF, 0x80, 0x80), background_ = Qt::white;
};

}  // namespace restallow
