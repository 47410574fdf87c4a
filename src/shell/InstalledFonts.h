// The installed scalable font families, and whether "Comic Sans MS" (or a comic face standing in
// for it) is among them.
#pragma once

#include <QStringList>

namespace restallow {

struct InstalledFonts {
    QStringList families;
    bool comic = false;
};

InstalledFonts ReadInstalledFonts();

}  // namespace restallow
