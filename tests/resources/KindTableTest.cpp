// Classification of files into kinds and the running numbers of entry names.
#include <gtest/gtest.h>

#include "resources/KindTable.h"

namespace restallow {
namespace {

TEST(KindOf, ComparesTheLowerCasedExtensionOfTheNamePart) {
    EXPECT_EQ(KindOf("/art/LOGO.BMP"), 2);
    EXPECT_EQ(KindOf("photo.JPEG"), 8);
    EXPECT_EQ(KindOf("photo.jpg"), 7);
    EXPECT_EQ(KindOf("/t/greet.txt"), kStringTableKind);
    EXPECT_EQ(KindOf("x.inc"), kIncludeKind);
    EXPECT_EQ(KindOf("a.ani"), 0);
    EXPECT_EQ(KindOf("font.TTF"), 12);
}

TEST(KindOf, UnknownOrMissingExtensionsAreRawData) {
    EXPECT_EQ(KindOf("data.tar.gz"), kRawDataKind);
    EXPECT_EQ(KindOf("README"), kRawDataKind);
    EXPECT_EQ(KindOf("notes.text"), kRawDataKind);
    EXPECT_EQ(KindOf("/home/me/my.dir/file"), kRawDataKind);
    EXPECT_EQ(KindOf("/home/me/bmp"), kRawDataKind);
    EXPECT_EQ(KindOf("name.bmp.bak"), kRawDataKind);
}

TEST(KindCounters, NamesCountUpPerKindAndJpegRowsShareOneNumber) {
    KindCounters counters;
    EXPECT_EQ(counters.NextName(2), "Bitmap_1");
    EXPECT_EQ(counters.NextName(2), "Bitmap_2");
    EXPECT_EQ(counters.NextName(5), "Icon_1");
    EXPECT_EQ(counters.NextName(kJpgKind), "JPEG_1");
    EXPECT_EQ(counters.NextName(kJpegKind), "JPEG_2");
    EXPECT_EQ(counters.NextName(kJpgKind), "JPEG_3");
    EXPECT_EQ(counters.value(kJpgKind), counters.value(kJpegKind));
    EXPECT_EQ(counters.NextName(kRawDataKind), "RCDATA_1");
    counters.Reset();
    EXPECT_EQ(counters.NextName(2), "Bitmap_1");
}

TEST(KindCounters, RecountMatchesKeywordsExactly) {
    KindCounters counters;
    counters.Recount(" JPEG ");
    counters.Recount(" BITMAP ");
    counters.Recount("BITMAP");    // without its blanks it is no keyword
    counters.Recount(" DIALOG ");  // not in the table: counted by no kind
    EXPECT_EQ(counters.value(kJpgKind), 1);
    EXPECT_EQ(counters.value(kJpegKind), 1);
    EXPECT_EQ(counters.value(2), 1);
    int total = 0;
    for (int kind = 0; kind < kKindCount; ++kind) total += counters.value(kind);
    EXPECT_EQ(total, 3);
}

TEST(KindTable, KeywordGivesItsFirstRowAndAnUnknownOneRawData) {
    for (int kind = 0; kind < kKindCount; ++kind) {
        const int expected = kind == kJpegKind ? kJpgKind : kind;
        EXPECT_EQ(KindOfKeyword(kKinds[kind].keyword), expected) << kKinds[kind].keyword;
    }
    EXPECT_EQ(KindOfKeyword(" DIALOG "), kRawDataKind);
    EXPECT_EQ(KindOfKeyword("BITMAP"), kRawDataKind);  // the blanks belong to the keyword
}

}  // namespace
}  // namespace restallow
