// One text of the main window's table in a language, as a QString.
#pragma once

#include <QString>

#include "languages/MainStrings.h"

namespace restallow {

inline QString UiText(int language, int index) { return QString::fromUtf8(MainStrings(language)[index]); }

}  // namespace restallow
