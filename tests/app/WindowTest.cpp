// The window as users see it: tooltips, icon, fonts and fitting texts, language, placement.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "app/MainLayout.h"
#include "app/TfmTallow.h"
#include "app/WindowGeometry.h"
#include "languages/MainStrings.h"
#include "resources/TfmIDDlg.h"
#include "resources/TfmResDlg.h"
#include "shell/AppIcon.h"
#include "shell/AppSettings.h"
#include "shell/SettingsStore.h"
#include "shell/TfmOptDlg.h"
#include "shell/TfmReadme.h"
#include "support/MainWindowTest.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "widgets/CaptionStrip.h"
#include "widgets/FileEdit.h"
#include "widgets/Hint.h"
#include "widgets/LabelArea.h"
#include "widgets/MegaPanel.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

// The window starts without its information boxes, unless a test stores otherwise.
class WindowTest : public test::MainWindowTest {
protected:
    void Store(const QString& key, const QString& value) {
        QSettings file(dir.path(QStringLiteral("config/Orvel/Resource Tallowin.conf")), QSettings::IniFormat);
        file.setValue(key, value);
    }
    std::unique_ptr<TfmTallow> Start(const char* locale = "en_US.UTF-8") {
        Store(QStringLiteral("Params/ShowInfo_Value"), QStringLiteral("0"));
        return MainWindowTest::Start(locale);
    }
};

// True when the widget puts up its tooltip when asked (a marker tooltip shows before).
bool AsksForTooltip(QWidget* widget) {
    const QPoint at(widget->width() / 2, widget->height() / 2);
    QToolTip::showText(widget->mapToGlobal(at), QStringLiteral("marker"));
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    return QToolTip::text() == widget->toolTip();
}

TEST_F(WindowTest, NoHintsSwitchesOffTheTooltipsOfEveryControl) {
    auto window = Start();
    window->show();
    const MainLayout& ui = window->Layout();
    const std::vector<QWidget*> controls = {ui.Tool(TagAdd), ui.Tool(TagClose), ui.Area(AreaDelete),
                                            ui.filename1->browseButton(), ui.caption->optionsButton()};
    for (QWidget* control : controls) EXPECT_TRUE(AsksForTooltip(control)) << control->toolTip().toStdString();
    window->Settings().Hints = 1;
    window->ApplyHints();
    for (QWidget* control : controls) EXPECT_FALSE(AsksForTooltip(control)) << control->toolTip().toStdString();
    TfmResDlg dialog(kEnglish, 0, {});  // the dialogs follow the switch too
    dialog.show();
    EXPECT_FALSE(AsksForTooltip(dialog.rbRes()));
    window->Settings().Hints = 0;
    window->ApplyHints();
    EXPECT_TRUE(AsksForTooltip(dialog.rbRes()));
}

QImage Picture(const QIcon& icon) { return icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32); }

// The window's icon is decoded by the program's own PNG reader, Qt's by Qt's: the two may round
// an edge pixel's alpha differently, so the pictures are compared premultiplied, within one step.
bool SamePicture(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return false;
    const QImage p = a.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 q = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            for (int shift : {0, 8, 16, 24}) {
                if (std::abs(int((p.pixel(x, y) >> shift) & 0xFF) - int((q.pixel(x, y) >> shift) & 0xFF)) > 1)
                    return false;
            }
        }
    }
    return true;
}

TEST_F(WindowTest, TheReadmeAndTheWindowShowTheApplicationIcon) {
    auto window = Start();
    EXPECT_TRUE(SamePicture(Picture(window->windowIcon()), Picture(AppIcon())));
    TfmReadme readme({QStringLiteral("Readme"), QStringLiteral("Show?"), {}, false}, {});
    const QLabel* picture = nullptr;
    for (const QLabel* label : readme.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) picture = label;
    }
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().toImage(), window->windowIcon().pixmap(32, 32).toImage());
}

TEST_F(WindowTest, AStoredLanguageOfNoTableIsTheDetectedOneEverywhere) {
    for (const char* stored : {"0", "4"}) {
        Store(QStringLiteral("Params/Language_Value"), QString::fromLatin1(stored));
        auto window = Start("de_DE.UTF-8");
        window->show();  // reads the settings once more
        EXPECT_EQ(window->Settings().list.Language, kGerman) << stored;
        EXPECT_EQ(window->Layout().Tool(TagAdd)->toolTip(), QStringLiteral("Neue Ressource einfügen"));
        prompter.outputKindAnswers.push_back(kResOutput);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QStringLiteral("/a/b.bmp")));
        window->BtnAddClick(TagAdd);
        prompter.messageAnswers.push_back(MsgButton::Yes);
        window->close();
        ASSERT_FALSE(prompter.messages.empty());
        EXPECT_EQ(prompter.messages.back().title, QStringLiteral("Bestätigen")) << stored;
        window.reset();
        EXPECT_EQ(test::StoredValue(dir, QStringLiteral("Params/Language_Value")), QStringLiteral("3")) << stored;
    }
}

TEST_F(WindowTest, QtsOwnButtonsSpeakTheLanguage) {
    auto window = Start();
    window->ApplyLanguage(kGerman);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
    window->ApplyLanguage(kFrench);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
    window->ApplyLanguage(kEnglish);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

TEST(PlaceMainWindow, KeepsWhatLiesOnAScreenAndCentresTheRest) {
    const QList<QRect> screens = {QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
    const QSize standard(538, 472);
    EXPECT_EQ(PlaceMainWindow(QRect(0, 0, 538, 472), screens, standard), QRect(0, 0, 538, 472));
    EXPECT_EQ(PlaceMainWindow(QRect(1100, 30, 600, 500), screens, standard), QRect(1100, 30, 600, 500));
    // A size beyond the screen is cut to its available area and moved onto it.
    EXPECT_EQ(PlaceMainWindow(QRect(100, 50, 60000, 60000), screens, standard), QRect(0, 0, 1024, 768));
    // Mostly on the screen: moved wholly onto it.
    EXPECT_EQ(PlaceMainWindow(QRect(-100, 300, 538, 472), screens, standard), QRect(0, 296, 538, 472));
    // Left from a larger screen, or mostly off every screen: the default size, centred.
    const QRect centred(243, 148, 538, 472);
    EXPECT_EQ(PlaceMainWindow(QRect(3000, 2000, 538, 472), screens, standard), centred);
    EXPECT_EQ(PlaceMainWindow(QRect(-400, 300, 538, 472), screens, standard), centred);
    EXPECT_EQ(PlaceMainWindow(std::nullopt, screens, standard), centred);
}

// Records where the window is when it is shown: the stored place must be in effect by then.
class ShowWatcher : public QObject {
public:
    QRect atShow;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) atShow = static_cast<QWidget*>(watched)->geometry();
        return false;
    }
};

TEST_F(WindowTest, AStoredPlaceIsAppliedBeforeTheWindowAppearsAndFitsTheScreen) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const auto stored = [&](const QRect& rect) {
        SettingsStore store(QStringLiteral("Params"));
        WritePosition(store,
                      {rect, false, true, qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()), screen});
    };
    stored(QRect(0, 0, 560, 480));
    {
        auto window = Start();
        ShowWatcher watcher;
        window->installEventFilter(&watcher);
        window->show();
        EXPECT_EQ(watcher.atShow, QRect(0, 0, 560, 480));
        window->removeEventFilter(&watcher);
    }
    stored(QRect(100, 50, 60000, 60000));
    {
        auto window = Start();
        window->show();
        const QRect placed = window->geometry();
        // The window system may add its frame around the place given.
        EXPECT_TRUE(placed.width() <= available.width() && placed.height() <= available.height() &&
                    available.intersects(placed))
            << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height() << " on "
            << available.x() << "," << available.y() << " " << available.width() << "x" << available.height();
    }
    stored(QRect(available.right() + 2000, 10, 500, 400));
    auto window = Start();
    window->show();
    EXPECT_EQ(window->size(), QSize(538, 472));
    EXPECT_EQ(window->geometry().center(), available.center());
}

TEST_F(WindowTest, EscapeInTheOptionsIsCancelAndKeepsTheStoredShortcutBoxes) {
    for (const bool closeBox : {false, true}) {
        TfmOptDlg dialog({1, 6, false, false, true, false, {}, {}}, {}, {});
        QTimer::singleShot(100, &dialog, [&] {
            dialog.links[2]->setChecked(true);
            if (closeBox)
                dialog.close();
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        dialog.exec();
        EXPECT_EQ(dialog.Outcome().result, OptionsOutcome::Cancel);
        EXPECT_FALSE(SettingsStore(QStringLiteral("Options")).value(QStringLiteral("cbStartup_Checked")));
    }
    TfmOptDlg dialog({1, 6, false, false, true, false, {}, {}}, {}, {});
    QTimer::singleShot(100, &dialog, [&] {
        dialog.links[2]->setChecked(true);
        dialog.okButton->click();
    });
    dialog.exec();
    EXPECT_EQ(SettingsStore(QStringLiteral("Options")).value(QStringLiteral("cbStartup_Checked")),
              QStringLiteral("True"));
}

TEST_F(WindowTest, InformationBoxesStandInsideTheFrameAndTheFieldsEndBeforeTheColumn) {
    auto window = Start();
    window->show();
    const MainLayout& ui = window->Layout();
    EXPECT_EQ(ui.memo1->parentWidget(), ui.lower);
    EXPECT_EQ(ui.memo1->geometry(), QRect(8, 20, 184, 116));  // 183 at 536 pixels, 184 at the default width
    EXPECT_EQ(ui.memo2->geometry(), QRect(200, 20, 184, 116));
    for (const QSize size : {QSize(538, 472), QSize(800, 500), QSize(601, 472)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        const QRect frame = ui.lower->frame();
        EXPECT_TRUE(frame.contains(ui.memo1->geometry())) << size.width();
        EXPECT_TRUE(frame.contains(ui.memo2->geometry())) << size.width();
        const int column = ui.right->mapTo(window.get(), QPoint(0, 0)).x();
        for (const FileEdit* field : {ui.filename1, ui.filename2}) {
            EXPECT_LT(field->mapTo(window.get(), QPoint(field->width(), 0)).x(), column) << size.width();
        }
    }
}

// A line wider than its box wraps, as the boxes' text is meant to be read whole: the French
// "Dernier changement:" line with its date and time is wider than 184 pixels.
TEST_F(WindowTest, InformationLinesWiderThanTheirBoxWrapInsteadOfScrolling) {
    auto window = Start("fr_FR.UTF-8");
    window->show();
    const MainLayout& ui = window->Layout();
    const std::string file = dir.write(QStringLiteral("informations-sur-un-fichier-au-nom-long.txt"), "text\r\n");
    ui.filename1->edit()->setText(QString::fromStdString(file));
    QTRY_VERIFY_WITH_TIMEOUT(ui.memo1->toPlainText().contains(QStringLiteral("Dernier changement")), 3000);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.memo1->horizontalScrollBar()->maximum(), 0) << ui.memo1->toPlainText().toStdString();
}

// Collects what a widget repaints.
class PaintCounter : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(WindowTest, TheOutputLabelFollowsItsFieldAtOnce) {
    auto window = Start();
    window->show();
    QCoreApplication::processEvents();
    const MainLayout& ui = window->Layout();
    PaintCounter counter;
    ui.top->installEventFilter(&counter);
    ASSERT_FALSE(ui.filename2->isEnabled());
    ui.filename2->setEnabled(true);
    QCoreApplication::processEvents();
    const QRect label = ui.top->labelRect(ui.filename2);
    EXPECT_TRUE(counter.painted.contains(QPoint(label.right() - 2, ui.filename2->geometry().center().y())));
    ui.top->removeEventFilter(&counter);
}

double Luminance(const QColor& colour) {
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Average(const QImage& image) {
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r += c.redF(), g += c.greenF(), b += c.blueF();
        }
    }
    const double n = static_cast<double>(image.width()) * image.height();
    return QColor::fromRgbF(static_cast<float>(r / n), static_cast<float>(g / n), static_cast<float>(b / n));
}

TEST_F(WindowTest, DisabledLabelsStayReadableOnThePurpleAndMarbleLooks) {
    auto window = Start();
    window->show();
    const MainLayout& ui = window->Layout();
    for (const int outfit : {OutfitGradient, OutfitMarbled}) {
        window->ApplyBackground(outfit);
        QCoreApplication::processEvents();
        for (MegaPanel* panel : {ui.top, ui.right}) {
            // The panel's face where the labels stand, as it is painted.
            const QImage face = panel->grab().toImage();
            const QColor disabled = panel->labelColor(false);
            EXPECT_GE(Contrast(disabled, Average(face)), 3.0)
                << "look " << outfit << " " << panel->objectName().toStdString();
            EXPECT_NE(disabled, panel->labelColor(true));
        }
    }
}

// Drops local files on a widget as a file manager would: enter, then drop.
bool DropOn(QWidget* target, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

TEST_F(WindowTest, FilesDroppedOnTheListAreAddedAndOnAFieldBecomeItsText) {
    auto window = Start();
    window->show();
    const MainLayout& ui = window->Layout();
    const QString bitmap = QString::fromStdString(dir.write("my art/logo.bmp", "BM"));
    prompter.outputKindAnswers.push_back(kResOutput);
    EXPECT_TRUE(DropOn(window->Script()->viewport(), {bitmap}));
    ASSERT_EQ(window->List().model().count(), 1);
    EXPECT_EQ(window->List().model().entry(0).file, " \"" + bitmap.toStdString() + "\"");

    const QString script = QString::fromStdString(dir.write("my art/demo.rc", "x"));
    prompter.messageAnswers.push_back(MsgButton::No);  // the unsaved list is kept
    EXPECT_TRUE(DropOn(ui.filename1->edit(), {script}));
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(ui.filename1->text(), u'"' + script + u'"');  // as the browse dialog gives it
    EXPECT_EQ(window->Settings().Filename1FilterIndex, 3);
    EXPECT_TRUE(ui.filename2->isEnabled());  // a script proposes the output
    const QString output = dir.path(QStringLiteral("out.res"));
    EXPECT_TRUE(DropOn(ui.filename2->edit(), {output}));
    EXPECT_EQ(ui.filename2->text(), output);

    // Two files at once, or a web address, are no file name for a field.
    EXPECT_FALSE(DropOn(ui.filename1->edit(), {bitmap, script}));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/a.rc"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ui.filename1->edit(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(ui.filename1->text(), u'"' + script + u'"');
    window->List().setListSaved(true);
}

}  // namespace
}  // namespace restallow
