// Painting of panels and of their children's labels.
#include "widgets/MegaPanel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QVariant>

#include "shell/Hint.h"

namespace restallow {

namespace {
constexpr const char* kHintProperty = "restallowHint";
}

MegaPanel::MegaPanel(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Button)) {}

void MegaPanel::setGradient(const QColor& top, const QColor& bottom) {
    top_ = top;
    bottom_ = bottom;
    update();
}

void MegaPanel::setColor(const QColor& color) {
    color_ = color;
    update();
}

void MegaPanel::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void MegaPanel::setBevel(const QColor& highlight, const QColor& shadow, int border) {
    highlight_ = highlight;
    shadow_ = shadow;
    border_ = border;
    update();
}

void MegaPanel::setLabelSide(LabelSide side, int labelWidth) {
    side_ = side;
    labelWidth_ = labelWidth;
    update();
}

void MegaPanel::SetHint(QWidget* child, const QString& hint) {
    child->setProperty(kHintProperty, hint);
    child->setToolTip(HintTooltip(hint));
    if (child->parentWidget()) child->parentWidget()->update();
}

QString MegaPanel::HintOf(const QWidget* child) { return child->property(kHintProperty).toString(); }

QRect MegaPanel::labelRect(const QWidget* child) const {
    const QRect g = child->geometry();
    const int height = fontMetrics().height() * 3 + 2;  // room for a label of up to three lines
    switch (side_) {
    case LabelSide::Left: return {g.left() - labelWidth_ - 4, g.center().y() - height / 2, labelWidth_, height};
    case LabelSide::Above: return {g.left(), g.top() - fontMetrics().height() - 2, labelWidth_, fontMetrics().height() + 2};
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
    painter.setPen(palette().color(QPalette::WindowText));
    for (const QObject* object : children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (!child || !child->isVisible()) continue;
        QString label = HintLabel(HintOf(child));
        label.replace(u'\r', u'\n');
        if (label.trimmed().isEmpty()) continue;
        painter.setPen(child->isEnabled() ? palette().color(QPalette::WindowText)
                                          : palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(labelRect(child), labelAlignment() | Qt::TextWordWrap, label);
    }
}

}  // namespace restallow
