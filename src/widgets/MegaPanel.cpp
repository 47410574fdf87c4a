// Painting of panels and of their children's labels.
#include "widgets/MegaPanel.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QVariant>

#include "widgets/Hint.h"

namespace restallow {

namespace {
constexpr const char* kHintProperty = "restallowHint";
}

MegaPanel::MegaPanel(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Button)) {}

// Each look is stored as given and the panel repaints.
void MegaPanel::setGradient(const QColor& top, const QColor& bottom) {
    Restyle(top_, top);
    Restyle(bottom_, bottom);
}
void MegaPanel::setColor(const QColor& color) { Restyle(color_, color); }
void MegaPanel::setPicture(const QPixmap& picture) { Restyle(picture_, picture); }
void MegaPanel::setBevel(const QColor& highlight, const QColor& shadow, int border) {
    Restyle(highlight_, highlight);
    Restyle(shadow_, shadow);
    Restyle(border_, border);
}
void MegaPanel::setLabelSide(LabelSide side, int labelWidth) {
    Restyle(side_, side);
    Restyle(labelWidth_, labelWidth);
}
void MegaPanel::setFrame(const QRect& rect) { Restyle(frame_, rect); }
void MegaPanel::setFrameColor(const QColor& face) { Restyle(frameFace_, face); }

void MegaPanel::paintFrame(QPainter& painter) const {
    if (frame_.isEmpty()) return;
    painter.fillRect(frame_, frameFace_.isValid() ? frameFace_ : palette().color(QPalette::Button));
    const QRect edge = frame_.adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
}

// Set in the palette, so that the group boxes, radio buttons and check boxes on the panel
// show their disabled texts in the same colour.
void MegaPanel::setDisabledLabelColor(const QColor& color) {
    QPalette colours = palette();
    const QColor text =
        color.isValid() ? color : QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, text);
    setPalette(colours);
}

QColor MegaPanel::labelColor(bool enabled) const {
    return palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
}

void MegaPanel::SetHint(QWidget* child, const QString& hint) {
    child->setProperty(kHintProperty, hint);
    child->setToolTip(HintTooltip(hint));
    if (auto* panel = qobject_cast<MegaPanel*>(child->parentWidget())) child->installEventFilter(panel);
    if (child->parentWidget()) child->parentWidget()->update();
}

bool MegaPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::EnabledChange || type == QEvent::Show || type == QEvent::Hide) {
        if (const auto* child = qobject_cast<const QWidget*>(watched); child && child->parentWidget() == this) {
            update(labelRect(child));
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString MegaPanel::HintOf(const QWidget* child) { return child->property(kHintProperty).toString(); }

QRect MegaPanel::labelRect(const QWidget* child) const {
    const QRect g = child->geometry();
    const int height = fontMetrics().height() * 3 + 2;  // room for a label of up to three lines
    switch (side_) {
        case LabelSide::Left: return {g.left() - labelWidth_ - 4, g.center().y() - height / 2, labelWidth_, height};
        case LabelSide::Above:
            return {g.left(), g.top() - fontMetrics().height() - 2, labelWidth_, fontMetrics().height() + 2};
        case LabelSide::Right: break;
    }
    return {g.right() + 6, g.center().y() - height / 2, labelWidth_, height};
}

Qt::Alignment MegaPanel::labelAlignment() const {
    switch (side_) {
        case LabelSide::Left: return Qt::AlignRight | Qt::AlignVCenter;
        case LabelSide::Above: return Qt::AlignLeft | Qt::AlignBottom;
        case LabelSide::Right: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void MegaPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.drawTiledPixmap(rect(), picture_);
    } else if (top_.isValid() && bottom_.isValid()) {
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, top_);
        gradient.setColorAt(1, bottom_);
        painter.fillRect(rect(), gradient);
    } else {
        painter.fillRect(rect(), color_);
    }
    if (border_ > 0 && highlight_.isValid()) {
        // A lowered inner bevel inside the border.
        const QRect inner = rect().adjusted(border_ - 1, border_ - 1, -border_, -border_);
        painter.setPen(shadow_);
        painter.drawLine(inner.topLeft(), inner.topRight());
        painter.drawLine(inner.topLeft(), inner.bottomLeft());
        painter.setPen(highlight_);
        painter.drawLine(inner.bottomLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomRight());
    }
    paintFrame(painter);
    for (const QObject* object : children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (!child || !child->isVisible()) continue;
        QString label = HintLabel(HintOf(child));
        label.replace(u'\r', u'\n');
        if (label.trimmed().isEmpty()) continue;
        painter.setPen(labelColor(child->isEnabled()));
        painter.drawText(labelRect(child), labelAlignment() | Qt::TextWordWrap, label);
    }
}

}  // namespace restallow
