// Converts the "Description|pattern;pattern|..." filters of the language tables to Qt's form.
#pragma once

#include <QString>
#include <QStringList>

namespace restallow {

// One Qt filter per description/pattern pair: "Bitmaps (*.bmp) (*.bmp)".
QStringList QtFilters(const QString& windowsFilter);

}  // namespace restallow
