// The preview window for every kind: sizes, captions, tooltips, hiding, and bad files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <random>

#include "ImageFiles.h"
#include "PreviewFixture.h"
#include "preview/AniPlayer.h"
#include "preview/AviPlayer.h"
#include "preview/MediaHeaders.h"
#include "preview/PreviewScale.h"
#include "preview/PreviewWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "widgets/CaptionedProgressBar.h"

namespace restallow {
namespace {

using test::Entry;
using test::Fixture;
using test::PreviewTest;
using test::RcFixture;

TEST_F(PreviewTest, BitmapsAreShownAtTheirSizeOrReducedWithTheOriginalSizeInTheCaption) {
    Show("Bitmap_1", " BITMAP ", Fixture("bmp320x240.bmp"));
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.ClientSize(), QSize(340, 260));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Bitmap_1"));
    EXPECT_EQ(preview.BmpPrev()->toolTip(), Fixture("bmp320x240.bmp") + u'\n');
    EXPECT_EQ(preview.BmpPrev()->pixmap().size(), QSize(320, 240));

    Show("Bitmap_2", " BITMAP ", Fixture("bmp640x480.bmp"));
    EXPECT_EQ(preview.ClientSize(), QSize(340, 260));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Bitmap_2   Original Size: 640 x 480 pixels"));
    EXPECT_EQ(preview.BmpPrev()->toolTip(),
              Fixture("bmp640x480.bmp") + QStringLiteral("\nOriginal Size: 640 x 480 pixels"));
    EXPECT_EQ(preview.BmpPrev()->pixmap().size(), QSize(320, 240));
    preview.Relabel(3);
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Bitmap_2   Originalgröße: 640 x 480 Pixel"));
    preview.RenameCaption(QStringLiteral("Logo"));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Logo   Originalgröße: 640 x 480 Pixel"));
    preview.Relabel(2);
    preview.Relabel(1);  // back from French, whose words hold no "Original"
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Logo   Original Size: 640 x 480 pixels"));
    EXPECT_EQ(preview.BmpPrev()->toolTip(),
              Fixture("bmp640x480.bmp") + QStringLiteral("\nOriginal Size: 640 x 480 pixels"));

    Show("Bitmap_3", " BITMAP ", Fixture("bmp10x10.bmp"));
    EXPECT_EQ(preview.ClientSize(), QSize(80, 80));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PreviewTest, JpegPicturesAreReducedOnceWhileTheProgressBarMoves) {
    Show("JPEG_1", " JPEG ", Fixture("jpeg1280x480.jpg"));
    EXPECT_EQ(preview.ClientSize(), QSize(340, 140));
    EXPECT_EQ(preview.BmpPrev()->pixmap().size(), QSize(320, 120));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("JPEG_1   Original Size: 1280 x 480 pixels"));
    EXPECT_FALSE(progressValues.empty());
    EXPECT_EQ(progressValues.back(), 0);  // reset when done
    EXPECT_TRUE(std::find(progressValues.begin(), progressValues.end(), 100) != progressValues.end());
    EXPECT_FALSE(progress.isVisible());

    Show("JPEG_2", " JPEG ", Fixture("jpeg100x960.jpg"));
    EXPECT_EQ(preview.ClientSize(), QSize(80, 260));
    EXPECT_EQ(preview.BmpPrev()->pixmap().size(), QSize(25, 240));
}

TEST_F(PreviewTest, GifPicturesTellTheirFramesAndAnimate) {
    Show("GIF_1", " GIF ", Fixture("gif1frame.gif"));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("GIF_1  "));
    EXPECT_NE(preview.Movie()->state(), QMovie::Running);
    Show("GIF_2", " GIF ", Fixture("gif12frames.gif"));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("GIF_2  12 Frames"));
    EXPECT_EQ(preview.GIFPrev()->toolTip().section(u'\n', 1), QStringLiteral("12 Frames"));
    EXPECT_EQ(preview.Movie()->state(), QMovie::Running);
    Show("GIF_3", " GIF ", Fixture("gif640x480.gif"));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("GIF_3   Original Size: 640 x 480 pixels"));
    EXPECT_EQ(preview.Movie()->scaledSize(), QSize(320, 240));
    EXPECT_EQ(preview.ClientSize(), QSize(340, 260));
}

TEST_F(PreviewTest, AviClipsPlayAtTheirOwnSize) {
    Show("Animation_1", " ANIMATION ", Fixture("clip640x480.avi"));
    EXPECT_EQ(preview.ClientSize(), QSize(340, 260));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Animation_1   Original Size: 640 x 480 pixels"));
    EXPECT_TRUE(preview.AviPrev()->IsPlaying());
    EXPECT_EQ(preview.AviPrev()->pixmap().size(), QSize(640, 480));
    QTest::qWait(350);
    EXPECT_GE(preview.AviPrev()->FramesShown(), 3);  // on past the end, from the start again
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PreviewTest, SmallKindsGetTheIconSizedViewer) {
    const std::pair<const char*, QString> kinds[] = {
        {" ICON ", RcFixture("icon.ico")},    {" CURSOR ", RcFixture("mono.cur")},
        {" CURSOR ", RcFixture("color.cur")}, {" ANICURSOR ", RcFixture("anim.ani")},
        {" WAVE ", Fixture("sound.wav")},     {" MIDI ", Fixture("tune.mid")}};
    for (const auto& [type, path] : kinds) {
        SCOPED_TRACE(type);
        Show("Small_1", type, path);
        EXPECT_TRUE(prompter.messages.empty())
            << (prompter.messages.empty() ? "" : prompter.messages.back().text.toStdString());
        EXPECT_EQ(preview.ClientSize(), QSize(80, 80));
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Small_1"));
        EXPECT_EQ(preview.ImagePanelBorder(), 20);
    }
    EXPECT_TRUE(preview.Sound().IsOpen());
    Show("AniCursor_1", " ANICURSOR ", RcFixture("anim.ani"));
    EXPECT_EQ(preview.AniPrev()->Frames(), 2);
    EXPECT_EQ(preview.AniPrev()->Interval(), 10 * 100 / 6);
    Show("Cursor_1", " CURSOR ", RcFixture("mono.cur"));
    const QImage cursor = preview.BmpPrev()->pixmap().toImage();
    EXPECT_TRUE(cursor.hasAlphaChannel());  // the transparent parts stay transparent
    EXPECT_LE(cursor.height(), 32);
}

TEST_F(PreviewTest, FontsAreWrittenInThemselvesWithoutAFileBesideThem) {
    test::TempDir dir;
    const std::string font = dir.write("font.ttf", test::TempDir::read(RcFixture("font.ttf").toStdString()));
    Show("Font_1", " TTFONT ", QString::fromStdString(font));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(preview.BmpPrev()->pixmap().height(), 60);
    EXPECT_EQ(preview.ClientSize(), QSize(preview.BmpPrev()->pixmap().width() + 20, 80));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Font_1"));
    EXPECT_EQ(QDir(dir.path(QString())).entryList(QDir::Files), QStringList{QStringLiteral("font.ttf")});
    EXPECT_EQ(ReadFontFamily(test::TempDir::read(font)).value_or(""), "DejaVu Sans Mono");
}

TEST_F(PreviewTest, HidingRules) {
    Show("Bitmap_1", " BITMAP ", Fixture("bmp10x10.bmp"));
    ASSERT_TRUE(preview.isVisible());
    Show("RCDATA_1", " RCDATA ", Fixture("bmp10x10.bmp"));
    EXPECT_FALSE(preview.isVisible());
    Show("Bitmap_1", " BITMAP ", Fixture("bmp10x10.bmp"));
    selected = 2;
    Show("Bitmap_1", " BITMAP ", Fixture("bmp10x10.bmp"));
    EXPECT_FALSE(preview.isVisible());
    selected = 1;
    Show("Bitmap_1", " BITMAP ", Fixture("bmp640x480.bmp"));
    const QString caption = preview.windowTitle();
    Show("Gone_1", " BITMAP ", Fixture("deleted.bmp"));  // a deleted file: cleared, left as it was
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.windowTitle(), caption);
    EXPECT_FALSE(preview.BmpPrev()->isVisible());
    EXPECT_TRUE(preview.HiddenWhileWanted() == false);
    preview.PreviewEntry(nullptr);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_TRUE(preview.HiddenWhileWanted());
    checked = false;
    Show("Bitmap_1", " BITMAP ", Fixture("bmp10x10.bmp"));
    EXPECT_FALSE(preview.isVisible());
    EXPECT_FALSE(preview.HiddenWhileWanted());
}

TEST_F(PreviewTest, BadFilesOfEveryKindGiveOneMessageAndNoCrash) {
    test::TempDir dir;
    std::mt19937 random(7);
    std::string noise(3000, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    const std::pair<const char*, QString> kinds[] = {
        {" BITMAP ", Fixture("bmp640x480.bmp")},   {" JPEG ", Fixture("jpeg1280x480.jpg")},
        {" GIF ", Fixture("gif12frames.gif")},     {" ANICURSOR ", RcFixture("anim.ani")},
        {" ANIMATION ", Fixture("clip64x48.avi")}, {" ICON ", RcFixture("icon.ico")},
        {" CURSOR ", RcFixture("color.cur")},      {" MIDI ", Fixture("tune.mid")},
        {" TTFONT ", RcFixture("font.ttf")}};
    for (const auto& [type, path] : kinds) {
        const std::string good = test::TempDir::read(path.toStdString());
        const std::pair<const char*, std::string> bad[] = {
            {"truncated", good.substr(0, good.size() / 3)},
            {"renamed", test::TempDir::read(Fixture("sound.wav").toStdString())},
            {"empty", ""},
            {"noise", noise}};
        for (const auto& [what, bytes] : bad) {
            SCOPED_TRACE(std::string(type) + what);
            const std::string file = dir.write(QString::fromLatin1(what) + QFileInfo(path).fileName(), bytes);
            const std::size_t before = prompter.messages.size();
            prompter.messageAnswers.push_back(MsgButton::Ok);
            Show("Bad_1", type, QString::fromStdString(file));
            // A GIF or icon cut short may still show its first complete part; anything else is refused.
            if (prompter.messages.size() == before) {
                prompter.messageAnswers.pop_back();
                EXPECT_TRUE(std::string(what) == "truncated") << "accepted without a message";
                continue;
            }
            EXPECT_EQ(prompter.messages.size(), before + 1);
            EXPECT_EQ(prompter.messages.back().icon, MsgIcon::Error);
            EXPECT_FALSE(preview.BmpPrev()->isVisible() || preview.GIFPrev()->isVisible() ||
                         preview.AviPrev()->isVisible());
            EXPECT_FALSE(preview.Sound().IsOpen());
        }
    }
}

TEST_F(PreviewTest, AnimatedCursorsShowTheirFirstFrameAtOnceTheRestWhenDecodedAndARateOfZeroStandsStill) {
    test::TempDir dir;
    std::vector<std::string> frames;
    for (QRgb colour : {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)}) {
        QImage frame(256, 256, QImage::Format_ARGB32);
        frame.fill(colour);
        frames.push_back(test::PngBytes(frame));
    }
    Show("AniCursor_1", " ANICURSOR ",
         QString::fromStdString(dir.write(QStringLiteral("run.ani"), test::AnimatedCursorOf(frames, 1))));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(preview.AniPrev()->Frames(), 3);
    EXPECT_EQ(preview.AniPrev()->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(preview.AniPrev()->pixmap().toImage().pixel(16, 16), qRgb(200, 0, 0));
    EXPECT_EQ(preview.AniPrev()->Interval(), 16);
    QTest::qWait(150);
    EXPECT_EQ(preview.AniPrev()->FramesDecoded(), 3);
    EXPECT_TRUE(preview.AniPrev()->IsAnimating());

    // A damaged later frame stops the animation at the frame before it.
    frames[1] = "not a picture";
    Show("AniCursor_3", " ANICURSOR ",
         QString::fromStdString(dir.write(QStringLiteral("broken.ani"), test::AnimatedCursorOf(frames, 1))));
    EXPECT_TRUE(prompter.messages.empty());
    QTest::qWait(150);
    EXPECT_FALSE(preview.AniPrev()->IsAnimating());
    EXPECT_EQ(preview.AniPrev()->pixmap().toImage().pixel(16, 16), qRgb(200, 0, 0));

    // ani_rate_zero_spins_a_core: a rate of 0 shows the first frame and runs no timer.
    Show("AniCursor_2", " ANICURSOR ",
         QString::fromStdString(dir.write(QStringLiteral("still.ani"), test::AnimatedCursorOf(frames, 0))));
    EXPECT_FALSE(preview.AniPrev()->IsAnimating());
    EXPECT_EQ(preview.AniPrev()->pixmap().toImage().pixel(16, 16), qRgb(200, 0, 0));
}

TEST_F(PreviewTest, PicturesTooLargeForTheMemoryCeilingAreRefusedWithTheReason) {
    test::TempDir dir;
    // gif_canvas_beyond_the_ceiling: a 60000 x 60000 canvas would take 13 GB for every frame.
    const std::string gif =
        "GIF89a" + test::Le16(60000) + test::Le16(60000) + std::string("\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 20);
    prompter.messageAnswers = {MsgButton::Ok, MsgButton::Ok};
    Show("GIF_1", " GIF ", QString::fromStdString(dir.write(QStringLiteral("huge.gif"), gif)));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              QStringLiteral(
                  "huge.gif: the GIF picture is too large to be previewed (it would need more than 64 MB of memory)"));
    // An icon image of 20 million by 1 pixels would need 80 MB for its row alone.
    const std::string wide = test::IconFileOf(
        {test::DibImage(20'000'000, 1, 1, {0, 0xFFFFFF}, std::string(2'500'000, '\0'), std::string(2'500'000, '\0'))},
        false);
    Show("Icon_1", " ICON ", QString::fromStdString(dir.write(QStringLiteral("wide.ico"), wide)));
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text,
              QStringLiteral(
                  "wide.ico: the icon image is too large to be previewed (it would need more than 64 MB of memory)"));
}

TEST_F(PreviewTest, TheJpegProgressBarShowsThePercentageBeforeItsCaption) {
    QStringList texts;
    QObject::connect(&progress, &QProgressBar::valueChanged, [&] { texts << progress.text(); });
    progress.setFormat(QStringLiteral("             loaded"));
    Show("JPEG_1", " JPEG ", Fixture("jpeg1280x480.jpg"));
    EXPECT_TRUE(texts.contains(QStringLiteral("100%             loaded"))) << texts.join(u'|').toStdString();
    EXPECT_EQ(progress.format(), QStringLiteral("             loaded"));  // as the window set it
}

TEST_F(PreviewTest, AScriptPathInWindows1252FindsTheFile) {
    test::TempDir dir;
    dir.write(QStringLiteral("caf\u00e9.bmp"), test::TempDir::read(Fixture("bmp10x10.bmp").toStdString()));
    const std::string path = dir.stdPath(QStringLiteral("caf")) + "\xe9.bmp";  // as a script made on Windows holds it
    const ResourceEntry entry{"Bitmap_1", " BITMAP ", "", ResourceEntry::QuoteFile(path)};
    preview.PreviewEntry(&entry);
    EXPECT_TRUE(preview.BmpPrev()->isVisible());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PreviewTest, IconsAndCursorsShowTheImageForTheSystemIconSize) {
    Show("Icon_1", " ICON ", Fixture("wine/shell32.dll_14_145_0.ico"));  // 16, 32, 48 and 256 pixel images, 16 first
    const QImage icon = preview.BmpPrev()->pixmap().toImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    QImageReader qt(Fixture("wine/shell32.dll_14_145_0.ico"), "ICO");
    ASSERT_TRUE(qt.jumpToImage(3));  // the 32 pixel true-colour image
    EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32_Premultiplied).pixel(16, 16),
              qt.read().convertToFormat(QImage::Format_ARGB32_Premultiplied).pixel(16, 16));
    Show("Cursor_1", " CURSOR ", Fixture("wine/user32.dll_12_32642_0.cur"));  // its directory says 32 x 16
    EXPECT_EQ(preview.BmpPrev()->pixmap().size(), QSize(32, 32));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(MediaHeaders, AnimatedCursorsAviHeadersAndMidiChunks) {
    const std::string ani = test::TempDir::read(RcFixture("anim.ani").toStdString());
    const auto cursor = ReadAnimatedCursor(ani);
    ASSERT_TRUE(cursor.ok()) << cursor.error().message;
    EXPECT_EQ(cursor->frames.size(), 2u);
    EXPECT_EQ(cursor->DelayMilliseconds(), 166u);
    const auto avi = ReadAviHeader(test::TempDir::read(Fixture("clip640x480.avi").toStdString()));
    ASSERT_TRUE(avi.ok()) << avi.error().message;
    EXPECT_EQ(avi->frameCount, 4u);
    EXPECT_EQ(avi->width, 640u);
    EXPECT_EQ(avi->height, 480u);
    EXPECT_EQ(ReadAviHeader(ani).error().kind, fileaccess::ErrorKind::Signature);
    const std::string midi = test::TempDir::read(Fixture("tune.mid").toStdString());
    const auto problem = [](const fileaccess::Status& status) {
        return status ? std::string("none") : status.error().message;
    };
    EXPECT_EQ(problem(CheckMidi(midi)), "none");
    EXPECT_EQ(problem(CheckMidi(midi.substr(0, midi.size() - 3))), "MIDI track 1 is truncated");
    EXPECT_EQ(problem(CheckMidi(midi.substr(0, 14))), "MIDI track 1 is missing");
    EXPECT_FALSE(ComputePreviewScale(0, 10));
}

}  // namespace
}  // namespace restallow
