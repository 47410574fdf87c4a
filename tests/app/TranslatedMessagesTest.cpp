// Messages beyond the main window's table follow the window's language: a failed compile, a
// missing media module, a missing Qt catalogue (said in the output box, not in a message box).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLibraryInfo>
#include <QPlainTextEdit>
#include <QSettings>

#include "app/TfmTallow.h"
#include "languages/MainStrings.h"
#include "preview/PreviewWindow.h"
#include "shell/QtTranslations.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/FileEdit.h"
#include "widgets/UiText.h"

namespace restallow {
namespace {

class TranslatedMessagesTest : public ::testing::Test {
protected:
    TranslatedMessagesTest()
        : window((test::IsolateSettings(settingsDir), prompter.readmeAnswers.push_back(false), prompter)) {}
    ~TranslatedMessagesTest() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settingsDir.path(QStringLiteral("none")));
    }
    // A registered "Delphi" whose compiler ends with exit code 3 and says nothing.
    void SilentFailingCompiler() {
        const std::string compiler = dir.write("delphi/Bin/brcc32", "#!/bin/sh\nexit 3\n");
        ::chmod(compiler.c_str(), 0755);
        dir.write("machine/Borland/Delphi.conf", "[3.0]\nRootDir=" + dir.stdPath("delphi") + "\n");
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path(QStringLiteral("machine")));
    }
    QString OutputBox() const { return window.Layout().memo2->toPlainText(); }

    test::TempDir settingsDir;
    test::ScriptedPrompter prompter;
    test::TempDir dir;
    TfmTallow window;
};

TEST_F(TranslatedMessagesTest, AFailedCompileSaysItsExitCodeInTheWindowsLanguage) {
    SilentFailingCompiler();
    window.Layout().filename1->setText(QString::fromStdString(dir.write("c.rc", "D RCDATA { 1 }\n")));
    window.Layout().filename2->setText(dir.path(QStringLiteral("c.res")));
    const std::pair<int, const char*> expected[] = {
        {kFrench, "Le compilateur de ressources a échoué (code de sortie 3)."},
        {kGerman, "Der Ressourcen-Compiler ist gescheitert (Exit-Code 3)."},
        {kEnglish, "The resource compiler failed (exit code 3)."}};
    for (const auto& [language, text] : expected) {
        window.ApplyLanguage(language);
        prompter.messages.clear();
        prompter.messageAnswers.push_back(MsgButton::Ok);
        window.BtnAddClick(TagCompile);
        ASSERT_EQ(prompter.messages.size(), 1u) << language;
        EXPECT_EQ(prompter.messages[0].text, QString::fromUtf8(text));
        EXPECT_EQ(prompter.messages[0].title, QString::fromUtf8(MainStrings(language)[UiError]));
    }
}

TEST_F(TranslatedMessagesTest, WithoutTheMediaModuleAClipSaysSoInTheWindowsLanguage) {
    int language = kFrench;
    PreviewWindow alone(prompter,
                        {[] { return true; }, [] { return 1; }, [&language] { return language; }, {}, nullptr, {}},
                        nullptr, {QStringLiteral("/nonexistent/librestallow_media.so")});
    const ResourceEntry clip{"Animation_1", " ANIMATION ", "",
                             ResourceEntry::QuoteFile(RESTALLOW_TEST_DATA "/../preview/data/clip64x48.avi")};
    prompter.messageAnswers.push_back(MsgButton::Ok);
    alone.PreviewEntry(&clip);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(
        QStringLiteral("Le module multimédia qui joue les sons et les clips AVI ne peut pas être chargé : "
                       "librestallow_media.so ne se trouve à aucun de ces endroits : /nonexistent.")))
        << prompter.messages[0].text.toStdString();

    PreviewWindow german(prompter,
                         {[] { return true; }, [] { return 1; }, [] { return int(kGerman); }, {}, nullptr, {}}, nullptr,
                         {QStringLiteral("/nonexistent/librestallow_media.so")});
    prompter.messageAnswers.push_back(MsgButton::Ok);
    german.PreviewEntry(&clip);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(prompter.messages[1].text.contains(
        QStringLiteral("Das Medienmodul, das Klänge und AVI-Clips abspielt, kann nicht geladen werden: "
                       "librestallow_media.so liegt an keinem dieser Orte: /nonexistent.")))
        << prompter.messages[1].text.toStdString();
}

TEST(QtCatalogue, AMissingOneIsNamedWithItsFolderAndEnglishNeedsNone) {
    test::TempDir empty;
    QtTranslations texts(empty.path(QString()));
    EXPECT_FALSE(texts.Apply(kGerman));
    EXPECT_EQ(texts.Missing(), QDir::cleanPath(empty.path(QString())) + QStringLiteral("/qtbase_de.qm"));
    EXPECT_TRUE(texts.Apply(kEnglish));
    EXPECT_TRUE(texts.Missing().isEmpty());
}

TEST_F(TranslatedMessagesTest, AMissingQtCatalogueIsSaidOnceInTheOutputBoxAndStaysThroughRefreshes) {
    window.Files().SetOutputNotice(QStringLiteral("notice"));
    EXPECT_EQ(OutputBox(), QStringLiteral("notice"));  // no output file named yet
    // A script names the output (an output field greyed out for its input keeps no name).
    window.Layout().filename1->setText(dir.path(QStringLiteral("c.rc")));
    window.Files().ShowOutputInfo();
    EXPECT_TRUE(OutputBox().startsWith(UiText(kEnglish, UiFileMissing))) << OutputBox().toStdString();
    EXPECT_TRUE(OutputBox().endsWith(QStringLiteral("\n\nnotice"))) << OutputBox().toStdString();
    window.Files().ShowFileInfo(window.Layout().memo2, window.Layout().filename2);
    EXPECT_EQ(OutputBox().count(QStringLiteral("notice")), 1);
    EXPECT_FALSE(window.Layout().memo1->toPlainText().contains(QStringLiteral("notice")));
    window.Files().SetOutputNotice(QString());
    EXPECT_FALSE(OutputBox().contains(QStringLiteral("notice")));

    // This machine's own catalogue: French buttons without a word, or the word in French.
    window.ApplyLanguage(kFrench);
    const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
    if (QFile::exists(catalogue)) {
        EXPECT_FALSE(OutputBox().contains(QStringLiteral("qt6-translations-l10n"))) << OutputBox().toStdString();
    } else {
        EXPECT_TRUE(OutputBox().contains(
            QStringLiteral("Les textes de Qt (boutons, dialogues de fichiers) restent en anglais : ") + catalogue));
    }
}

}  // namespace
}  // namespace restallow
