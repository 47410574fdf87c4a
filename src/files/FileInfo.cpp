// File information: times through statx (birth time where the file system keeps one).
#include "files/FileInfo.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QLocale>

#include "languages/MainStrings.h"

namespace restallow {
namespace {

QDateTime FromStatx(const struct statx_timestamp& stamp) {
    return QDateTime::fromMSecsSinceEpoch(stamp.tv_sec * 1000 + stamp.tv_nsec / 1000000).toLocalTime();
}

}  // namespace

QString LongTimeFormat(const QLocale& locale) {
    // Qt's long format ends in the time zone ("t"); the Windows long time format has none.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u't') result += c;
    }
    return result.simplified();
}

QString FileTimeText(const QDateTime& time, const QLocale& locale) {
    const QString date = locale.toString(time.date(), QLocale::ShortFormat);
    if (time.time().hour() == 0 && time.time().minute() == 0 && time.time().second() == 0) return date;
    return date + u' ' + locale.toString(time.time(), LongTimeFormat(locale));
}

QStringList FileInfoLines(const QString& fileName, int language) {
    if (fileName.isEmpty()) return {};
    const MainTable& text = MainStrings(language);
    struct statx info {};
    const QByteArray path = fileName.toLocal8Bit();
    const bool exists =
        statx(AT_FDCWD, path.constData(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &info) == 0 &&
        S_ISREG(info.stx_mode);
    if (!exists) return {QString::fromUtf8(text[UiFileMissing])};
    const auto& created = (info.stx_mask & STATX_BTIME) ? info.stx_btime : info.stx_ctime;
    return {QString::fromUtf8(text[UiFileExists]),
            QString(),
            QString::fromUtf8(text[UiCreated]) + FileTimeText(FromStatx(created)),
            QString::fromUtf8(text[UiLastAccess]) + FileTimeText(FromStatx(info.stx_atime)),
            QString::fromUtf8(text[UiLastChange]) + FileTimeText(FromStatx(info.stx_mtime)),
            QString::fromUtf8(text[UiFileSize]) + QString::number(static_cast<qulonglong>(info.stx_size)) +
                QStringLiteral(" Byte")};
}

}  // namespace restallow
