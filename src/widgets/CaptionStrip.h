// The caption bar drawn at the top of the window: company word, application title and caption
// text over a gradient, with a small options button at the right.
#pragma once

#include <QWidget>

class QToolButton;

namespace restallow {

class CaptionStrip : public QWidget {
    Q_OBJECT

public:
    explicit CaptionStrip(QWidget* parent = nullptr);

    QToolButton* optionsButton() const { return options_; }
    QSize sizeHint() const override { return {538, 20}; }

signals:
    void optionsClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* options_;
};

}  // namespace restallow
