// A panel that paints a vertical gradient, a tiled picture or a flat colour, and draws the label
// of each child control (the label part of its hint) beside or above it.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QPainter;

namespace restallow {

class MegaPanel : public QWidget {
    Q_OBJECT

public:
    enum class LabelSide { Left, Right, Above };

    explicit MegaPanel(QWidget* parent = nullptr);

    void setGradient(const QColor& top, const QColor& bottom);  // invalid colours: no gradient
    void setColor(const QColor& color);
    void setPicture(const QPixmap& picture);  // tiled; a null picture shows the colour or gradient
    void setBevel(const QColor& highlight, const QColor& shadow, int border);
    void setLabelSide(LabelSide side, int labelWidth);
    // A raised frame painted on the panel under the children and their labels; empty: none.
    void setFrame(const QRect& rect);
    void setFrameColor(const QColor& face);
    QRect frame() const { return frame_; }
    // The colour of a disabled child's label; invalid: the application's disabled text colour.
    void setDisabledLabelColor(const QColor& color);
    QColor labelColor(bool enabled) const;

    // The hint a child shows: its tooltip part pops up, its label part is drawn by this panel.
    static void SetHint(QWidget* child, const QString& hint);
    static QString HintOf(const QWidget* child);
    QRect labelRect(const QWidget* child) const;
    Qt::Alignment labelAlignment() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A child's label is repainted as soon as the child is enabled, disabled, shown or hidden.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintFrame(QPainter& painter) const;
    // Stores one look; the repaint comes from the event loop, once for all looks set together.
    template <typename T>
    void Restyle(T& look, const T& value) {
        look = value;
        update();
    }

    QColor color_, top_, bottom_, highlight_, shadow_, frameFace_;
    QRect frame_;
    QPixmap picture_;
    int border_ = 0;
    LabelSide side_ = LabelSide::Right;
    int labelWidth_ = 72;
};

}  // namespace restallow
