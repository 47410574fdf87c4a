// The files a drag carries: local files, in the order dragged.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QUrl>

#include "widgets/DroppedFiles.h"

namespace restallow {
namespace {

TEST(DroppedFiles, LocalFilesComeInDragOrderAndWebAddressesAreLeftOut) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/art/b.bmp")), QUrl(QStringLiteral("https://example.org/a.bmp")),
                  QUrl::fromLocalFile(QStringLiteral("/art/a file.ico")),
                  QUrl::fromLocalFile(QStringLiteral("/art/b.bmp"))});
    EXPECT_EQ(DroppedFiles(&data), (QStringList{QStringLiteral("/art/b.bmp"), QStringLiteral("/art/a file.ico"),
                                                QStringLiteral("/art/b.bmp")}));
}

TEST(DroppedFiles, TextOrNothingCarriesNoFile) {
    QMimeData text;
    text.setText(QStringLiteral("/art/logo.bmp"));
    EXPECT_TRUE(DroppedFiles(&text).isEmpty());
    EXPECT_TRUE(DroppedFiles(nullptr).isEmpty());
}

}  // namespace
}  // namespace restallow
