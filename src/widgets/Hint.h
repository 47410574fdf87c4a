// Hints have the form "tooltip|label|": the container draws the label, the tooltip pops up.
#pragma once

#include <QString>

namespace restallow {

// The part before the first "|" (the whole hint without one), CR shown as a line break.
QString HintTooltip(const QString& hint);
// The part between the first and the second "|" (the whole hint without one).
QString HintLabel(const QString& hint);

}  // namespace restallow
