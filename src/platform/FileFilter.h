// Converts the "Description|pattern;pattern|..." filters of the language tables to Qt's form.
#pragma once

#include <QString>
#include <QStringList>

namespace restallow {

// One Qt filter per description/pattern pair, the patterns shown once: "Bitmaps (*.bmp)";
// "Cursors, Icons (*.ani,*.cur, *.ico)" with "*.ani;*.cur;*.ico" becomes "Cursors, Icons (*.ani *.cur *.ico)".
QStringList QtFilters(const QString& windowsFilter);

}  // namespace restallow
