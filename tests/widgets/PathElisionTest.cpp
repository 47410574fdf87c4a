// Shortening a path in its folder part, so that the file name stays whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

#include "widgets/PathElision.h"

namespace restallow {
namespace {

const QString kEllipsis = QStringLiteral("\u2026");

TEST(ElideFolder, AFittingPathStaysWhole) {
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral(" \"/home/user/art/logo.bmp\"");
    EXPECT_EQ(ElideFolder(text, metrics, metrics.horizontalAdvance(text)), text);
}

TEST(ElideFolder, ANarrowColumnShortensTheFolderInItsMiddleAndKeepsTheFileName) {
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral(" \"/home/user/projects/windows/resources/art/logo.bmp\"");
    const QString tail = QStringLiteral("/logo.bmp\"");
    const int width = metrics.horizontalAdvance(tail) +
                      metrics.horizontalAdvance(QStringLiteral(" \"/home") + kEllipsis + QStringLiteral("art"));
    const QString shown = ElideFolder(text, metrics, width);
    EXPECT_TRUE(shown.endsWith(tail)) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral(" \"/"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(kEllipsis)) << shown.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(shown), width);
}

// Without room for a shortened folder, the file name is cut from its left so its end shows.
TEST(ElideFolder, WithoutRoomForTheFolderTheFileNameKeepsItsEnd) {
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral(" \"/home/user/a_rather_long_file_name.bmp\"");
    const int width = metrics.horizontalAdvance(QStringLiteral("name.bmp\"")) + metrics.horizontalAdvance(kEllipsis);
    const QString shown = ElideFolder(text, metrics, width);
    EXPECT_TRUE(shown.startsWith(kEllipsis)) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral(".bmp\""))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("home")));
    EXPECT_LE(metrics.horizontalAdvance(shown), width);

    const QString noFolder = QStringLiteral("a_rather_long_file_name.bmp");
    const QString cut = ElideFolder(noFolder, metrics, width);
    EXPECT_TRUE(cut.startsWith(kEllipsis) && cut.endsWith(QStringLiteral(".bmp"))) << cut.toStdString();
}

}  // namespace
}  // namespace restallow
