// The lines an information box shows about a file: whether it exists, its three times, its size.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace restallow {

// No lines for an empty name, one for a missing file (a folder counts as missing), six else.
QStringList FileInfoLines(const QString& fileName, int language);
// The user's short date and long time; midnight shows the date alone.
QString FileTimeText(const QDateTime& time, const QLocale& locale = QLocale());
// The locale's long time format without the time zone, as "HH:mm:ss".
QString LongTimeFormat(const QLocale& locale);

}  // namespace restallow
