// The font of the main window and of its fixed-size dialogs, whose sizes are laid out for it.
#pragma once

#include <QFont>

namespace restallow {

inline QFont WindowFont() { return QFont(QStringLiteral("Comic Sans MS"), 8); }

}  // namespace restallow
