// The font list of start-up, from the font database.
#include "shell/InstalledFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace restallow {

InstalledFonts ReadInstalledFonts() {
    InstalledFonts fonts;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family)) fonts.families << family;
    }
    // "Comic Sans MS" counts as installed when the font system answers it with a comic face.
    const QString comic = QFontInfo(QFont(QStringLiteral("Comic Sans MS"))).family();
    fonts.comic = fonts.families.contains(QStringLiteral("Comic Sans MS")) || comic.contains(QStringLiteral("Comic"));
    return fonts;
}

}  // namespace restallow
