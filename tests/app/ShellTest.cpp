// Start-up, settings that survive a restart, languages, looks and the resize rules of the window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <memory>

#include "app/MainLayout.h"
#include "app/TfmTallow.h"
#include "languages/MainStrings.h"
#include "shell/LanguageDetect.h"
#include "shell/SettingsStore.h"
#include "shell/TfmReadme.h"
#include "support/MainWindowTest.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "widgets/CaptionedProgressBar.h"
#include "widgets/FileEdit.h"
#include "widgets/LabelArea.h"
#include "widgets/MegaPanel.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

using ShellTest = test::MainWindowTest;

TEST(LanguageDetect, MapsLocalesAndIdsAsTheWindowsIdsDo) {
    EXPECT_EQ(WindowsLanguageId(QStringLiteral("de_AT.UTF-8")), 0x0C07);
    EXPECT_EQ(DetectLanguage(0x0C07), kGerman);
    EXPECT_EQ(WindowsLanguageId(QStringLiteral("fr_BE.UTF-8")), 0x080C);
    EXPECT_EQ(DetectLanguage(0x080C), kEnglish);  // a French sublanguage outside the four
    EXPECT_EQ(DetectLanguage(0x100C), kFrench);
    EXPECT_EQ(DetectLanguage(WindowsLanguageId(QStringLiteral("C"))), kEnglish);
}

TEST_F(ShellTest, FirstStartDetectsTheLanguageShowsTheReadmeAndWritesTheSettings) {
    prompter.readmeAnswers.push_back(false);
    auto window = Start("de_AT.UTF-8");
    ASSERT_EQ(prompter.readmeRequests.size(), 1u);  // before the window was ever shown
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(prompter.readmeRequests[0].caption, QStringLiteral("Liesmich"));
    EXPECT_EQ(prompter.readmeRequests[0].checkCaption, QStringLiteral("Beim nächsten Start anzeigen?"));
    EXPECT_TRUE(prompter.readmeRequests[0].showOnStart);
    EXPECT_EQ(test::StoredValue(dir, QStringLiteral("Params/Language_Value")), QStringLiteral("3"));
    EXPECT_EQ(test::StoredValue(dir, QStringLiteral("Params/ShowInfo_Value")), QStringLiteral("0"));
    EXPECT_EQ(window->Settings().Outfit, OutfitBtnFace);
    EXPECT_FALSE(window->Layout().Tool(TagExpand)->isEnabled());
    EXPECT_FALSE(window->Layout().Tool(TagMinimize)->isEnabled());
    EXPECT_FALSE(window->Layout().Tool(TagCompile)->isEnabled());
    EXPECT_FALSE(window->Layout().Area(AreaCompile)->isEnabled());
    window->show();
    EXPECT_TRUE(window->Layout().filename1->isVisible());
    EXPECT_TRUE(window->Layout().filename2->isVisible());
    window->close();
}

TEST_F(ShellTest, SecondStartRestoresWhatTheFirstLeft) {
    prompter.readmeAnswers.push_back(false);
    {
        auto first = Start("fr_FR.UTF-8");
        first->show();
        first->ApplyBackground(OutfitMarbled);
        first->Settings().list.CI = 2;
        first->Settings().list.StartID = 3050;
        first->Settings().list.InitialDir = QStringLiteral("/art/");
        first->Settings().list.SaveDir = QStringLiteral("/scripts/");
        first->Settings().Queries = 1;
        first->setGeometry(120, 90, 600, 500);
        first->close();
    }
    auto second = Start("en_US.UTF-8");
    second->show();
    EXPECT_EQ(prompter.readmeRequests.size(), 1u);  // not shown again
    const AppSettings& s = second->Settings();
    EXPECT_EQ(s.list.Language, kFrench);
    EXPECT_EQ(s.Outfit, OutfitMarbled);
    EXPECT_EQ(s.list.CI, 2);
    EXPECT_EQ(s.list.UpDown, 1);
    EXPECT_EQ(s.list.StartID, 3050);
    EXPECT_EQ(s.list.InitialDir, QStringLiteral("/art/"));
    EXPECT_EQ(s.list.SaveDir, QStringLiteral("/scripts/"));
    EXPECT_EQ(s.Queries, 1);
    EXPECT_EQ(second->size(), QSize(600, 500));
    EXPECT_EQ(second->Script()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nom"));
}

TEST_F(ShellTest, StoredTextsAreReadAsTheStoreDefines) {
    {
        QSettings file(dir.path(QStringLiteral("config/Orvel/Resource Tallowin.conf")), QSettings::IniFormat);
        file.setValue(QStringLiteral("Params/Queries_Value"), QStringLiteral("x1"));
        file.setValue(QStringLiteral("Params/cbPreview_Checked"), QStringLiteral("true"));
        file.setValue(QStringLiteral("Params/StartID_Value"), QStringLiteral(" 2500 "));
        file.setValue(QStringLiteral("Params/Language_Value"), QStringLiteral("7"));
    }
    SettingsStore store(QStringLiteral("Params"));
    AppSettings settings;
    settings.Queries = 5;
    ReadSettings(store, settings);
    EXPECT_EQ(settings.Queries, 0);
    EXPECT_TRUE(settings.PreviewChecked);
    EXPECT_EQ(settings.list.StartID, 2500);
    EXPECT_EQ(settings.list.Language, 7);
    {
        QSettings file(dir.path(QStringLiteral("config/Orvel/Resource Tallowin.conf")), QSettings::IniFormat);
        file.setValue(QStringLiteral("Params/cbPreview_Checked"), QStringLiteral("yes"));
    }
    ReadSettings(SettingsStore(QStringLiteral("Params")), settings);
    EXPECT_TRUE(settings.PreviewChecked);  // "yes" leaves it as it was

    // A language outside 1..3 is treated as English.
    prompter.readmeAnswers.push_back(true);
    auto window = Start();
    EXPECT_EQ(window->Layout().Tool(TagAdd)->toolTip(), QStringLiteral("Add a new resource"));
}

TEST_F(ShellTest, PositionsFallBackToThePlainValueAndIgnoreOtherDensities) {
    SettingsStore store(QStringLiteral("Params"));
    WritePosition(store, {QRect(100, 50, 400, 300), false, true, 96, QSize(1024, 768)});
    const QRect current(0, 0, 10, 10);
    EXPECT_EQ(ReadPosition(store, current, 96, QSize(1024, 768)), QRect(100, 50, 400, 300));
    EXPECT_EQ(ReadPosition(store, current, 96, QSize(1920, 1080)), QRect(100, 50, 400, 300));  // no suffix match
    EXPECT_FALSE(ReadPosition(store, current, 120, QSize(1024, 768)));
    store.write(QStringLiteral("NormPos"), QStringLiteral("x,60,500,400"));
    store.remove(QStringLiteral("NormPos(1024x768)"));
    EXPECT_EQ(ReadPosition(store, QRect(7, 0, 10, 10), 96, QSize(1024, 768)), QRect(7, 60, 493, 340));
    store.write(QStringLiteral("NormPos"), QStringLiteral("500,60,100,400"));
    EXPECT_FALSE(ReadPosition(store, current, 96, QSize(1024, 768)));
}

TEST_F(ShellTest, LanguageSwitchRewordsTheWindowAndLaterMessages) {
    prompter.readmeAnswers.push_back(false);
    auto window = Start();
    window->show();
    window->ApplyLanguage(kGerman);
    const MainLayout& ui = window->Layout();
    EXPECT_EQ(ui.Tool(TagExpand)->toolTip(), QStringLiteral("Datei kopieren \nbzw. expandieren"));
    EXPECT_EQ(MegaPanel::HintOf(ui.Tool(TagExpand)), QStringLiteral("Datei kopieren \rbzw. expandieren|Expandieren|"));
    EXPECT_EQ(ui.Area(AreaExpand)->toolTip(), ui.Tool(TagExpand)->toolTip());
    EXPECT_EQ(ui.Tool(TagClose)->toolTip(), QStringLiteral("Programm beenden"));
    EXPECT_EQ(ui.version->title(), QStringLiteral("Dateiversion"));
    EXPECT_EQ(MegaPanel::HintOf(ui.memo1), QStringLiteral("|Info zur Eingabedatei|"));
    EXPECT_EQ(ui.progress->format(), QStringLiteral("           geladen"));
    EXPECT_EQ(window->Script()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Typ"));

    prompter.outputKindAnswers.push_back(kResOutput);
    prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QStringLiteral("/a/b.bmp")));
    window->BtnAddClick(TagAdd);
    prompter.messageAnswers.push_back(MsgButton::No);
    window->close();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Möchten Sie Resource Tallowin+ beenden,\r"
                                                        "ohne die momentane Ressourcen-Liste zu speichern?"));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("Bestätigen"));
    window->List().setListSaved(true);
}

TEST_F(ShellTest, LooksFollowTheOutfitAndAnEightBitScreenIsPlain) {
    prompter.readmeAnswers.push_back(false);
    auto window = Start();
    MainLayout ui = window->Layout();
    ApplyBackground(ui, OutfitGradient, 24);
    EXPECT_EQ(ui.Tool(TagAdd)->faceColor(), QColor(0xC2, 0x86, 0xFF));
    EXPECT_EQ(ui.readme->faceColor(), QColor(0x6B, 0xE8, 0xF5));
    EXPECT_EQ(ui.Tool(TagClose)->faceColor(), QColor(0xFF, 0x80, 0x80));
    EXPECT_TRUE(ui.Tool(TagAdd)->shaded());
    ApplyBackground(ui, OutfitMarbled, 8);
    EXPECT_FALSE(ui.Tool(TagAdd)->shaded());
    EXPECT_EQ(ui.Tool(TagAdd)->faceColor(), QColor(0x80, 0x80, 0x80));
    ApplyBackground(ui, 9, 24);  // unknown look: only the Readme and Close faces
    EXPECT_FALSE(ui.Tool(TagAdd)->shaded());
}

TEST_F(ShellTest, ResizingMovesCloseAndWidensTheFileColumn) {
    prompter.readmeAnswers.push_back(false);
    auto window = Start();
    window->show();
    window->resize(538, 700);
    QCoreApplication::processEvents();
    const MainLayout& ui = window->Layout();
    EXPECT_EQ(ui.Tool(TagClose)->y(), ui.right->height() - 37);
    EXPECT_EQ(ui.Tool(TagScript)->y(), 365);
    window->resize(538, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.Tool(TagClose)->y(), 365 + 35);
    window->resize(800, 480);
    QCoreApplication::processEvents();
    ReportListView* view = ui.script;
    EXPECT_EQ(view->columnWidth(3), view->width() - 80 - 95 - 60 - 10);
    EXPECT_EQ(ui.memo1->width(), ui.memo2->width());
    EXPECT_EQ(ui.memo2->x(), ui.memo1->x() + ui.memo1->width() + 8);
    EXPECT_EQ(ui.filename1->mapTo(window.get(), QPoint(ui.filename1->width(), 0)).x(),
              ui.memo2->mapTo(window.get(), QPoint(ui.memo2->width(), 0)).x());
}

TEST_F(ShellTest, LabelAreasActLikeTheirButtons) {
    prompter.readmeAnswers.push_back(false);
    auto window = Start();
    window->show();
    const MainLayout& ui = window->Layout();
    EXPECT_FALSE(ui.preview->isChecked());
    QTest::mouseClick(ui.Area(AreaPreview), Qt::LeftButton);
    EXPECT_TRUE(ui.preview->isChecked());
    prompter.readmeAnswers.push_back(true);
    QTest::mouseClick(ui.Area(AreaReadme), Qt::LeftButton);
    ASSERT_EQ(prompter.readmeRequests.size(), 2u);
    EXPECT_FALSE(prompter.readmeRequests[1].showOnStart);  // ShowInfo was 0
    EXPECT_EQ(window->Settings().ShowInfo, 1);
    QTest::mouseClick(ui.Area(AreaCompile), Qt::LeftButton);  // Compile is disabled with its area
    EXPECT_TRUE(prompter.messages.empty());
}

// A list is a count and one value an item; a shorter list leaves no item of the longer behind.
TEST(SettingsStoreLists, AreWrittenAsNumberedValuesAndShrinkWithoutLeftovers) {
    test::TempDir dir;
    test::IsolateSettings(dir);
    SettingsStore store(QStringLiteral("Params"));
    store.writeList(QStringLiteral("Compiler_Include"),
                    {QStringLiteral("/a"), QStringLiteral("/b c"), QStringLiteral("/d")});
    store.writeList(QStringLiteral("Compiler_Include"), {QStringLiteral("/b c")});
    store.sync();
    QStringList read = {QStringLiteral("unchanged")};
    store.readList(QStringLiteral("Compiler_Include"), read);
    EXPECT_EQ(read, QStringList{QStringLiteral("/b c")});
    EXPECT_EQ(test::StoredValue(dir, QStringLiteral("Params/Compiler_Include_1")), QStringLiteral("/b c"));
    EXPECT_TRUE(test::StoredValue(dir, QStringLiteral("Params/Compiler_Include_2")).isEmpty());
    EXPECT_TRUE(test::StoredValue(dir, QStringLiteral("Params/Compiler_Include_3")).isEmpty());
    QStringList absent = {QStringLiteral("kept")};
    store.readList(QStringLiteral("Compiler_Define"), absent);  // never written: the value stays
    EXPECT_EQ(absent, QStringList{QStringLiteral("kept")});
}

TEST(TfmReadme, InsertsAndSelectsTheContactAndKeepsOtherTexts) {
    EXPECT_EQ(ReadmeText({QStringLiteral("a"), QStringLiteral("eMail: "), QStringLiteral("b")}, QStringLiteral("x@y")),
              QStringLiteral("a\neMail: x@y\nb"));
    EXPECT_EQ(ReadmeText({QStringLiteral("no address")}, QStringLiteral("x@y")), QStringLiteral("no address"));
    std::vector<QPoint> moves;
    TfmReadme dialog({QStringLiteral("Readme"), QStringLiteral("Show?"), {QStringLiteral("eMail: ")}, false},
                     [&](const QPoint& p) { moves.push_back(p); });
    EXPECT_FALSE(dialog.ShowOnStart());
    EXPECT_FALSE(dialog.text()->textCursor().selectedText().isEmpty());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    dialog.checkBox()->click();
    EXPECT_TRUE(dialog.ShowOnStart());
    EXPECT_EQ(moves.size(), 1u);
}

// Escape closes the readme from its text, and the show-on-start box is taken as it stands.
TEST(TfmReadme, EscapeClosesItWithTheBoxAsItStands) {
    TfmReadme dialog({QStringLiteral("Readme"), QStringLiteral("Show?"), {QStringLiteral("text")}, true}, {});
    QTimer::singleShot(200, &dialog, [&] {
        dialog.checkBox()->click();
        QTest::keyClick(dialog.text(), Qt::Key_Escape);
    });
    QTimer::singleShot(3000, &dialog, [&] { dialog.done(42); });  // should Escape not close it
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(dialog.ShowOnStart());
}

}  // namespace
}  // namespace restallow
