// Where the main window opens.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace restallow {

class SettingsStore;

// A stored rectangle, its size limited to a screen's available area, when at least half of it
// lies on that screen (the one it overlaps most), moved wholly onto it; otherwise the default
// size centred on the first screen. `available` lists the screens' available areas, the primary first.
QRect PlaceMainWindow(const std::optional<QRect>& stored, const QList<QRect>& available, const QSize& defaultSize);
// The same for a window about to be shown, with the rectangle stored for its screen.
QRect InitialPlace(const SettingsStore& store, const QWidget& window, const QSize& defaultSize);

}  // namespace restallow
