// Placement of the main window on the screens there are now.
#include "app/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "shell/SettingsStore.h"

namespace restallow {
namespace {

long long Area(const QRect& rect) { return rect.isEmpty() ? 0 : static_cast<long long>(rect.width()) * rect.height(); }

// The rectangle shifted so that it lies inside `area` (it is no larger than the area).
QRect MovedInto(QRect rect, const QRect& area) {
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() + 1 - rect.height()));
    return rect;
}

}  // namespace

QRect PlaceMainWindow(const std::optional<QRect>& stored, const QList<QRect>& available, const QSize& defaultSize) {
    if (available.isEmpty()) return stored ? *stored : QRect(QPoint(0, 0), defaultSize);
    if (stored && !stored->isEmpty()) {
        QRect best;
        long long bestOverlap = 0;
        for (const QRect& area : available) {
            const QRect limited(stored->topLeft(), stored->size().boundedTo(area.size()));
            const long long overlap = Area(limited & area);
            if (2 * overlap >= Area(limited) && overlap > bestOverlap) {
                best = MovedInto(limited, area);
                bestOverlap = overlap;
            }
        }
        if (bestOverlap > 0) return best;
    }
    const QRect& screen = available.front();
    QRect centred(QPoint(0, 0), defaultSize.boundedTo(screen.size()));
    centred.moveCenter(screen.center());
    return centred;
}

QRect InitialPlace(const SettingsStore& store, const QWidget& window, const QSize& defaultSize) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    std::optional<QRect> stored;
    QList<QRect> areas;
    if (screen) {
        stored = ReadPosition(store, window.geometry(), qRound(screen->logicalDotsPerInch()), screen->size());
        areas << screen->availableGeometry();
    }
    for (const QScreen* other : QGuiApplication::screens()) {
        if (other != screen) areas << other->availableGeometry();
    }
    return PlaceMainWindow(stored, areas, defaultSize);
}

}  // namespace restallow
