// The preview's readers against real files and reference decodes: the image Windows picks from
// each Wine icon and cursor, bitmaps against Qt's reader, masks, CMYK, and the memory ceiling.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

#include "ImageFiles.h"
#include "preview/AreaScaler.h"
#include "preview/BmpFile.h"
#include "preview/FileBytes.h"
#include "preview/IconImage.h"
#include "preview/JpegDecoder.h"
#include "preview/PictureImage.h"
#include "preview/PreviewPath.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

QString Wine(const QString& name) { return QStringLiteral(RESTALLOW_TEST_DATA "/../preview/data/wine/") + name; }
QString Data(const char* name) {
    return QStringLiteral(RESTALLOW_TEST_DATA "/../preview/data/") + QString::fromLatin1(name);
}
constexpr std::uint32_t kBackground = 0x336699;  // the reference script's

FitSize Fit(int width, int height) {
    return [=](int, int) { return std::pair(width, height); };
}

// Pixels equal where they are seen; fully transparent pixels may hold any colour. A decoder
// that premultiplies (Qt's) is compared premultiplied, within its rounding.
void ExpectSamePixels(const QImage& ours, const QImage& reference, bool premultiplied = false) {
    ASSERT_EQ(ours.size(), reference.size());
    const auto format = premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32;
    const int tolerance = premultiplied ? 1 : 0;
    const QImage a = ours.convertToFormat(format), b = reference.convertToFormat(format);
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAlpha(p) == 0 && qAlpha(q) == 0) continue;
            const bool same =
                std::abs(qRed(p) - qRed(q)) <= tolerance && std::abs(qGreen(p) - qGreen(q)) <= tolerance &&
                std::abs(qBlue(p) - qBlue(q)) <= tolerance && std::abs(qAlpha(p) - qAlpha(q)) <= tolerance;
            if (!same && different++ < 3)
                ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << p << " against " << q;
        }
    }
    EXPECT_EQ(different, 0);
}

TEST(IconImages, EveryWineIconAndCursorShowsTheImageWindowsPicksAsTheReferenceDrawsIt) {
    QFile list(Wine(QStringLiteral("chosen.txt")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    int files = 0;
    for (const QString& line : QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList field = line.split(u' ');  // name, index, size, bits
        SCOPED_TRACE(field[0].toStdString());
        const std::string bytes = test::TempDir::read(Wine(field[0]).toStdString());
        const auto icon = ReadIconFile(bytes);
        ASSERT_TRUE(icon.ok());
        const auto& images = icon->images;
        const std::size_t chosen = ChooseIconImage(images, 32, 32);
        const IconEntry& image = images[chosen];
        EXPECT_EQ(QStringLiteral("%1x%2").arg(image.width).arg(image.height), field[2]);
        EXPECT_EQ(image.bitCount, field[3].toInt());
        const auto drawn = DrawIconImage(image, 32, 32, kBackground);
        ASSERT_TRUE(drawn.ok()) << drawn.error().message;
        ExpectSamePixels(ToImage(*drawn), QImage(Wine(field[0] + QStringLiteral(".ref.png"))));
        if (field[0].endsWith(QStringLiteral(".ico"))) {
            // Qt's reader reads icon directories right; its decode of the same image must agree.
            QImageReader qt(Wine(field[0]), "ICO");
            ASSERT_TRUE(qt.jumpToImage(field[1].toInt()));
            ExpectSamePixels(ToImage(*drawn), qt.read(), true);
        }
        ++files;
    }
    EXPECT_EQ(files, 22);
}

TEST(IconImages, ChoiceTakesTheLargestNotAboveTheSizeElseTheSmallestAboveThenTheDisplayDepth) {
    const auto entry = [](int size, int bits) { return IconEntry{size, size, bits, false, {}}; };
    EXPECT_EQ(ChooseIconImage({entry(16, 32), entry(32, 4), entry(48, 32), entry(32, 32), entry(32, 8)}, 32, 32), 3u);
    EXPECT_EQ(ChooseIconImage({entry(16, 4), entry(32, 4), entry(32, 8)}, 32, 32), 2u);     // deepest below the display
    EXPECT_EQ(ChooseIconImage({entry(32, 32), entry(32, 8)}, 32, 16), 1u);                  // deepest not above 16 bits
    EXPECT_EQ(ChooseIconImage({entry(64, 32), entry(48, 4), entry(256, 32)}, 32, 32), 1u);  // none fits: the smallest
    EXPECT_EQ(ChooseIconImage({entry(16, 32)}, 32, 32), 0u);
}

TEST(IconImages, MonochromeMasksDrawBlackWhiteTransparentAndInvertedPixels) {
    // One row of four pixels per case (AND, XOR): (0,0) black, (0,1) white, (1,0) the screen, (1,1) the screen
    // inverted.
    const std::string xorRows = std::string(1, '\x50') + std::string(3, '\0');  // 0101....
    const std::string andRows = std::string(1, '\x30') + std::string(3, '\0');  // 0011....
    const std::string cursor =
        test::IconFileOf({test::DibImage(4, 1, 1, {0x000000, 0xFFFFFF}, xorRows, andRows)}, true);
    const auto icon = ReadIconFile(cursor);
    ASSERT_TRUE(icon.ok());
    const IconEntry& image = icon->images.at(0);
    EXPECT_EQ(image.width, 4);  // from the image's header; the directory says 16 x 8
    EXPECT_EQ(image.height, 1);
    const Decoded<Picture> drawn4 = DrawIconImage(image, 4, 1, kBackground);
    ASSERT_TRUE(drawn4.ok()) << drawn4.error().message;
    const Picture& drawn = *drawn4;
    EXPECT_EQ(drawn.argb,
              (std::vector<std::uint32_t>{0xFF000000u, 0xFFFFFFFFu, 0u, 0xFF000000u | (kBackground ^ 0xFFFFFF)}));
}

TEST(IconImages, SoftEdgedPngFramesKeepTheirColourWhenReducedAndAreReadAtTheDrawnSize) {
    QImage frame(400, 400, QImage::Format_ARGB32);
    frame.fill(qRgba(0, 128, 0, 0));
    for (int y = 100; y < 300; ++y) {
        for (int x = 100; x < 300; ++x) frame.setPixel(x, y, qRgba(0, 128, 0, x < 200 ? 64 : 255));
    }
    const std::string file = test::IconFileOf({test::PngBytes(frame)}, true);
    const auto icon = ReadIconFile(file);
    ASSERT_TRUE(icon.ok());
    EXPECT_TRUE(icon->images[0].png);
    const Decoded<Picture> drawn32 = DrawIconImage(icon->images[0], 32, 32, kBackground);
    ASSERT_TRUE(drawn32.ok()) << drawn32.error().message;
    const Picture& drawn = *drawn32;
    ASSERT_EQ(drawn.argb.size(), 32u * 32u);
    for (std::uint32_t pixel : drawn.argb) {
        if (pixel >> 24) {
            EXPECT_EQ(pixel & 0xFFFFFF, 0x008000u) << std::hex << pixel;  // no other colour mixed in at the edges
        }
    }
    EXPECT_EQ(drawn.argb[0], 0u);
    EXPECT_EQ(drawn.argb[16 * 32 + 10] >> 24, 64u);
}

TEST(Bitmaps, RealAndGeneratedBitmapsMatchQtsDecode) {
    const QString files[] = {Wine(QStringLiteral("comctl32.dll_2_401_0.bmp")),
                             Wine(QStringLiteral("comctl32.dll_2_402_0.bmp")), Data("bmp320x240.bmp"),
                             Data("bmp10x10.bmp")};
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QImage qt(file, "BMP");
        ASSERT_FALSE(qt.isNull());
        const auto ours = ReadBmpFile(file.toStdString(), Fit(qt.width(), qt.height()));
        ASSERT_TRUE(ours.ok()) << ours.error().message;
        EXPECT_EQ(ours->originalWidth, qt.width());
        // Bitmaps are drawn opaque: Qt's alpha from a 32-bit file's unused byte does not count.
        ExpectSamePixels(ToImage(ours->picture), qt.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(Bitmaps, RunLengthDeltasAndAnEarlyEndLeavePaletteIndexZero) {
    test::TempDir dir;
    // 8 x 6 at 8 bits: a run on the bottom row, a jump of two columns and one row, a run, the end.
    const std::string codes("\x08\x01\x00\x00\x00\x02\x02\x01\x03\x02\x00\x01", 12);
    std::string file = test::BmpFile(8, 6, 8, {0x0000FF, 0xFF0000, 0x00FF00}, codes);
    file[30] = 1;  // BI_RLE8
    const std::string path = dir.write(QStringLiteral("rle8_delta_end.bmp"), file);
    // Skipped pixels hold index 0, as in the zeroed memory of a new Windows bitmap (Qt leaves them black).
    QImage expected(8, 6, QImage::Format_RGB32);
    expected.fill(qRgb(0, 0, 255));
    for (int x = 0; x < 8; ++x) expected.setPixel(x, 5, qRgb(255, 0, 0));
    for (int x = 2; x < 5; ++x) expected.setPixel(x, 3, qRgb(0, 255, 0));
    const auto ours = ReadBmpFile(path, Fit(8, 6));
    ASSERT_TRUE(ours.ok()) << ours.error().message;
    ExpectSamePixels(ToImage(ours->picture), expected);

    // rle4_tall_rows_missing (a fuzz finding): 36 x 5,963,792 pixels from 212 bytes; the rows no
    // code reaches are blank, added as a block rather than one by one (which took seconds).
    const auto tall = ReadBmpFile(Data("rle4_tall_rows_missing.bmp").toStdString(), Fit(1, 240));
    ASSERT_TRUE(tall.ok()) << tall.error().message;
    EXPECT_EQ(tall->originalHeight, 5963792);

    // Blank rows added as a block count as much as the same rows one by one.
    AreaScaler block(5, 7, 2, 3), rows(5, 7, 2, 3);
    const std::vector<std::uint32_t> red(5, 0xFFFF0000u), blue(5, 0x800000FFu);
    block.AddRow(0, red.data());
    block.AddUniformRows(1, 7, blue[0]);
    rows.AddRow(0, red.data());
    for (int y = 1; y < 7; ++y) rows.AddRow(y, blue.data());
    EXPECT_EQ(block.Take().argb, rows.Take().argb);
}

TEST(Bitmaps, AOneBitBitmapBeyondQtsLimitIsReducedWhileRead) {
    // 16000 x 12000 at 1 bit (24 MB): Qt refuses it; left half black, right half white.
    test::TempDir dir;
    const int width = 16000, height = 12000, stride = width / 8;
    std::string row(stride, '\0');
    std::fill(row.begin() + stride / 2, row.end(), '\xFF');
    std::string pixels;
    pixels.reserve(static_cast<std::size_t>(stride) * height);
    for (int y = 0; y < height; ++y) pixels += row;
    const std::string path =
        dir.write(QStringLiteral("big.bmp"), test::BmpFile(width, height, 1, {0x000000, 0xFFFFFF}, pixels));
    const auto shown = ReadBmpFile(path, Fit(320, 240));
    ASSERT_TRUE(shown.ok()) << shown.error().message;
    const Picture& picture = shown->picture;
    ASSERT_EQ(picture.width, 320);
    ASSERT_EQ(picture.height, 240);
    EXPECT_EQ(picture.argb[100 * 320 + 10], 0xFF000000u);
    EXPECT_EQ(picture.argb[100 * 320 + 310], 0xFFFFFFFFu);
}

TEST(Bitmaps, DamagedBitmapsAreErrorsNotNoise) {
    test::TempDir dir;
    const std::string pixels(4 * 4 * 3, '\x7F');
    // bmp_offset_past_end: the data offset points past the end of the file.
    const std::string offset =
        dir.write(QStringLiteral("bmp_offset_past_end.bmp"), test::BmpFile(4, 4, 24, {}, pixels, 5000));
    // bmp_pixels_cut_short: the header promises more rows than the file holds.
    std::string shortFile = test::BmpFile(4, 4, 24, {}, pixels);
    shortFile.resize(shortFile.size() - 10);
    const std::string cut = dir.write(QStringLiteral("bmp_pixels_cut_short.bmp"), shortFile);
    // bmp_too_wide_for_the_ceiling: one row of 20 million pixels would need 80 MB to decode.
    const std::string wide = dir.write(QStringLiteral("bmp_too_wide.bmp"),
                                       test::BmpFile(20'000'000, 1, 1, {0, 0xFFFFFF}, std::string(2'500'000, '\0')));
    const std::pair<std::string, const char*> cases[] = {
        {offset, "the bitmap's pixel data offset lies outside the file"},
        {cut, "the bitmap's pixel data runs past the end of the file"},
        {wide, "the bitmap is too large to be previewed (it would need more than 64 MB of memory)"}};
    for (const auto& [path, message] : cases) {
        const auto read = ReadBmpFile(path, Fit(320, 1));
        ASSERT_FALSE(read.ok()) << path;
        EXPECT_EQ(read.error().message, message);
    }
}

TEST(JpegPictures, CmykAndYcckPicturesShowTheirColoursInBothForms) {
    test::TempDir dir;
    // Red is no cyan, full magenta and yellow, no black; Adobe's form stores 255 minus each.
    const std::uint8_t plain[4] = {0, 255, 255, 0}, adobe[4] = {255, 0, 0, 255};
    const std::pair<std::string, const char*> files[] = {
        {test::CmykJpeg(dir.stdPath(QStringLiteral("cmyk.jpg")), 64, 48, plain, false, false), "plain CMYK"},
        {test::CmykJpeg(dir.stdPath(QStringLiteral("adobe.jpg")), 64, 48, adobe, true, false), "Adobe CMYK"},
        {test::CmykJpeg(dir.stdPath(QStringLiteral("ycck.jpg")), 64, 48, adobe, true, true), "Adobe YCCK"}};
    for (const auto& [path, what] : files) {
        SCOPED_TRACE(what);
        const auto decoded = DecodeJpeg(path, 32, 24);
        ASSERT_TRUE(decoded.ok()) << decoded.error().message;
        const Picture& picture = decoded->picture;
        ASSERT_EQ(picture.width, 32);
        const QRgb pixel = picture.argb[12 * 32 + 16];
        EXPECT_GE(qRed(pixel), 245);
        EXPECT_LE(qGreen(pixel), 10);
        EXPECT_LE(qBlue(pixel), 10);
    }
}

TEST(JpegPictures, CmykSamplesConvertByInkAndBlack) {
    const std::uint8_t samples[] = {0, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 128};
    std::uint32_t plain[3], inverted[3];
    CmykToRgb(samples, 3, false, plain);
    CmykToRgb(samples, 3, true, inverted);
    EXPECT_EQ(plain[0], 0xFFFFFFFFu);     // no ink
    EXPECT_EQ(plain[1], 0xFF000000u);     // all ink
    EXPECT_EQ(plain[2], 0xFF7F7F7Fu);     // half black
    EXPECT_EQ(inverted[0], 0xFF000000u);  // 0 is full ink here
    EXPECT_EQ(inverted[1], 0xFFFFFFFFu);
}

TEST(PreviewLimits, FilesAndScaledPicturesStayWithinTheCeiling) {
    test::TempDir dir;
    const std::string path = dir.write(QStringLiteral("file.bin"), std::string(1000, 'x'));
    EXPECT_TRUE(ReadFileBytes(path, 1000).ok());
    const auto refused = ReadFileBytes(path, 999);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().kind, fileaccess::ErrorKind::TooLarge);
    EXPECT_EQ(refused.error().message,
              "the file is too large to be previewed (it would need more than 64 MB of memory)");
    EXPECT_EQ(ReadFileRange(path, 990, 100).size(), 10u);
    // A reduction by area: four pixels, one transparent, give their alpha-weighted mean.
    AreaScaler scaler(2, 2, 1, 1);
    const std::uint32_t top[] = {0xFFFF0000u, 0x00000000u}, bottom[] = {0xFFFF0000u, 0xFF0000FFu};
    scaler.AddRow(0, top);
    scaler.AddRow(1, bottom);
    EXPECT_EQ(scaler.Take().argb, std::vector<std::uint32_t>{0xBFAA0055u});
}

TEST(PreviewPaths, PathsThatAreNotUtf8AreReadAsWindows1252) {
    EXPECT_EQ(FileSystemPath("/tmp/caf\xc3\xa9.bmp"), "/tmp/caf\xc3\xa9.bmp");
    EXPECT_EQ(FileSystemPath("/tmp/caf\xe9.bmp"), "/tmp/caf\xc3\xa9.bmp");
    EXPECT_EQ(Windows1252ToUtf8("\x80\x9f\x81"), "\xe2\x82\xac\xc5\xb8\xc2\x81");
    EXPECT_FALSE(IsUtf8("\xc0\xaf"));  // an overlong slash
    EXPECT_FALSE(IsUtf8("\xed\xa0\x80"));
    EXPECT_TRUE(IsUtf8("\xf0\x9f\x98\x80"));
}

}  // namespace
}  // namespace restallow
