// The options dialog, the shortcuts it keeps, and the uninstall with its removal script.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <functional>

#include "app/TfmTallow.h"
#include "languages/DialogStrings.h"
#include "languages/MainStrings.h"
#include "languages/UninstallStrings.h"
#include "shell/Shortcuts.h"
#include "shell/TfmOptDlg.h"
#include "shell/Uninstall.h"
#include "support/IsolatedHome.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/MegaPanel.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

// The shortcut files go to the desktop, menu and autostart folders of the temporary home.
class IsolatedHome : public test::IsolatedHome {
protected:
    QString Shortcut(int folder) const { return ShortcutFolders()[folder] + u'/' + QString::fromLatin1(kShortcutName); }
};

using ShortcutsTest = IsolatedHome;

TEST_F(ShortcutsTest, FirstConfirmationCreatesTheTickedOnesAndLaterOnesKeepThem) {
    QDir().mkpath(home.path(QStringLiteral("Desktop")));
    const ShortcutTarget target{QStringLiteral("/opt/my tools/restallow"),
                                QStringLiteral("/opt/icon.png"),
                                QStringLiteral("Resource Tallowin+ 1.0"),
                                {}};
    CreateOrRemoveShortcuts({true, true, false}, target);
    EXPECT_TRUE(QFile::exists(Shortcut(0)));
    EXPECT_TRUE(QFile::exists(Shortcut(1)));
    EXPECT_FALSE(QFile::exists(Shortcut(2)));
    const QString text = QString::fromStdString(test::TempDir::read(Shortcut(0).toStdString()));
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"/opt/my tools/restallow\"\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Icon=/opt/icon.png\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nCategories=Development;\n")));

    QFile edited(Shortcut(1));
    ASSERT_TRUE(edited.open(QIODevice::Append));
    edited.write("# mine\n");
    edited.close();
    CreateOrRemoveShortcuts({true, true, false}, target);  // an existing entry is never rewritten
    EXPECT_TRUE(test::TempDir::read(Shortcut(1).toStdString()).ends_with("# mine\n"));

    CreateOrRemoveShortcuts({false, true, false}, target);
    EXPECT_FALSE(QFile::exists(Shortcut(0)));
    EXPECT_TRUE(QFile::exists(Shortcut(1)));
}

TEST_F(ShortcutsTest, AMissingDesktopFolderIsNoError) {
    EXPECT_NO_THROW(CreateOrRemoveShortcuts({true, false, true}, {QStringLiteral("/bin/true"), {}, {}, {}}));
    EXPECT_FALSE(QFile::exists(Shortcut(0)));
    EXPECT_TRUE(QFile::exists(Shortcut(2)));
}

TEST(DesktopExec, QuotesSoThatNoNameRunsACommand) {
    EXPECT_EQ(DesktopExecQuote(QStringLiteral("/a b/c")), QStringLiteral("\"/a b/c\""));
    EXPECT_EQ(DesktopExecQuote(QStringLiteral("/x/$(rm -rf)`q`\"%")),
              QStringLiteral("\"/x/\\\\$(rm -rf)\\\\`q\\\\`\\\\\"%%\""));
    EXPECT_EQ(ShellQuote(QStringLiteral("it's; $(x)")), QStringLiteral("'it'\\''s; $(x)'"));
}

using UninstallTest = IsolatedHome;

TEST_F(UninstallTest, RemovesOnlyWhatWasInstalledAndRunsNothingItDidNotMean) {
    const QString prefix = home.path(QStringLiteral("pre fix 'q' $(touch pwned); x"));
    QProcess install;
    install.setWorkingDirectory(home.path(QString()));
    install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(RESTALLOW_BUILD_DIR),
                                            QStringLiteral("--prefix"), prefix});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
    const QString manifest = prefix + QStringLiteral("/share/restallow/install-manifest.txt");
    ASSERT_TRUE(QFile::exists(prefix + QStringLiteral("/bin/restallow")));
    EXPECT_EQ(QFileInfo(prefix + QStringLiteral("/bin/restallow-windres")).symLinkTarget(),
              prefix + QStringLiteral("/bin/restallow-rc"));
    home.write(QStringLiteral("pre fix 'q' $(touch pwned); x/bin/mine.txt"), "the user's own file");

    QDir().mkpath(ShortcutFolders()[1]);
    CreateOrRemoveShortcuts({false, true, true}, {prefix + QStringLiteral("/bin/restallow"), {}, {}, {}});
    SettingsStore store(QStringLiteral("Params"));
    store.write(QStringLiteral("Language_Value"), 3);
    store.sync();
    ASSERT_TRUE(QFile::exists(store.location()));

    ASSERT_TRUE(Uninstall({prefix + QStringLiteral("/bin"), store.location()}).done);
    EXPECT_FALSE(QFile::exists(store.location()));
    EXPECT_FALSE(QFile::exists(Shortcut(1)));
    EXPECT_FALSE(QFile::exists(Shortcut(2)));
    const QString entry = ShortcutFolders()[2] + QStringLiteral("/Delete ResTallow.desktop");
    ASSERT_TRUE(QFile::exists(entry));

    QProcess removal;  // what the next log-in runs
    removal.setWorkingDirectory(home.path(QString()));
    removal.start(QStringLiteral("sh"), {ProgramDataFolder() + QStringLiteral("/DelResTa.sh")});
    ASSERT_TRUE(removal.waitForFinished(10000));
    EXPECT_FALSE(
        QFileInfo(prefix + QStringLiteral("/bin/restallow-windres")).isSymLink());  // the link itself is gone too
    // Every file that was installed is named by the install list and goes, and so do the folders
    // it leaves empty; the user's own file stays, with its folder.
    QStringList left;
    for (QDirIterator it(prefix, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        left << QDir(prefix).relativeFilePath(it.next());
    }
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("bin"), QStringLiteral("bin/mine.txt")}));
    EXPECT_FALSE(QFile::exists(home.path(QStringLiteral("pwned"))));
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(QFile::exists(ProgramDataFolder() + QStringLiteral("/DelResTa.sh")));
}

TEST_F(UninstallTest, AStartBeforeTheRemovalCancelsIt) {
    ASSERT_TRUE(Uninstall({home.path(QStringLiteral("no-install/bin")), home.path(QStringLiteral("none.conf"))}).done);
    const QString entry = ShortcutFolders()[2] + QStringLiteral("/Delete ResTallow.desktop");
    ASSERT_TRUE(QFile::exists(entry));
    test::ScriptedPrompter prompter;
    prompter.readmeAnswers.push_back(false);
    TfmTallow window(prompter);
    EXPECT_FALSE(QFile::exists(entry));
}

TEST_F(UninstallTest, APackagedBuildRemovesOnlyTheSettingsAndShortcuts) {
    home.write(QStringLiteral("usr/bin/restallow"), "program");
    const QString prefix = QFileInfo(home.path(QStringLiteral("usr"))).canonicalFilePath();
    home.write(QStringLiteral("usr/share/restallow/install-manifest.txt"),
               "prefix=" + prefix.toStdString() + "\nbin/restallow\n");
    QDir().mkpath(ShortcutFolders()[1]);
    for (const bool packaged : {true, false}) {
        SCOPED_TRACE(packaged ? "packaged" : "own install");
        CreateOrRemoveShortcuts({false, true, false}, {prefix + QStringLiteral("/bin/restallow"), {}, {}, {}});
        SettingsStore store(QStringLiteral("Params"));
        store.write(QStringLiteral("Language_Value"), 2);
        store.sync();
        EXPECT_TRUE(Uninstall({prefix + QStringLiteral("/bin"), store.location(), packaged}).done);
        EXPECT_FALSE(QFile::exists(store.location()));
        EXPECT_FALSE(QFile::exists(Shortcut(1)));
        const QString script = ProgramDataFolder() + QStringLiteral("/DelResTa.sh");
        EXPECT_EQ(QFile::exists(script), !packaged);
        EXPECT_EQ(QFile::exists(ShortcutFolders()[2] + QStringLiteral("/Delete ResTallow.desktop")), !packaged);
        if (!packaged) {
            EXPECT_NE(test::TempDir::read(script.toStdString()).find("/bin/restallow'"), std::string::npos);
        }
        EXPECT_TRUE(QFile::exists(
            prefix + QStringLiteral("/bin/restallow")));  // the package manager's, or the script's at log-in
    }
}

using OptionsTest = IsolatedHome;

TEST_F(OptionsTest, APackagedBuildsDialogSaysThatThePackageManagerRemovesTheProgram) {
    EXPECT_EQ(PackagedBuild(), RESTALLOW_PACKAGED_OPTION != 0);  // the build option reaches the program
    for (const bool packaged : {false, true}) {
        for (const int language : {kEnglish, kFrench, kGerman}) {
            QString asked;
            TfmOptDlg dialog({language, 6, false, false, true, packaged, {}, {}}, {},
                             [&asked](const QString& text, const QString&) {
                                 asked = text;
                                 return false;
                             });
            dialog.uninstallButton->click();
            const QString byPackage = QString::fromUtf8(UninstallStrings(language)[UnPackaged]);
            EXPECT_EQ(asked.contains(byPackage), packaged) << asked.toStdString();
            EXPECT_EQ(asked.contains(QString::fromUtf8(OptionsDialogStrings(language)[OptUninstallQuestion2])),
                      !packaged);
            EXPECT_EQ(dialog.uninstallButton->toolTip(), packaged ? byPackage : QString());
            EXPECT_FALSE(dialog.uninstallRequested());
        }
    }
    EXPECT_STREQ(UninstallStrings(kFrench)[UnPackaged],
                 "Resource Tallowin+ a été installé par un paquet : votre gestionnaire de paquets supprime le "
                 "programme lui-même.");
    EXPECT_STREQ(UninstallStrings(kGerman)[UnPackaged],
                 "Resource Tallowin+ wurde als Paket installiert: Ihre Paketverwaltung entfernt das Programm selbst.");

    test::ScriptedPrompter prompter;  // the window hands the build's choice to the dialog
    prompter.readmeAnswers.push_back(false);
    TfmTallow window(prompter);
    prompter.optionsAnswers.push_back(OptionsOutcome{});
    window.OpenOptions();
    ASSERT_EQ(prompter.optionsRequests.size(), 1u);
    EXPECT_EQ(prompter.optionsRequests[0].packaged, PackagedBuild());
}

TEST_F(OptionsTest, TickingALanguageRewordsTheDialogAndCancelKeepsTheWindowsLanguage) {
    TfmOptDlg dialog({1, 6, false, false, false, false, {}, {}}, {}, {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options"));
    EXPECT_FALSE(dialog.backgroundGroup->isEnabled());
    EXPECT_TRUE(dialog.backgrounds[2]->isChecked());
    dialog.languages[2]->click();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(dialog.cancelButton->text(), QStringLiteral("&Abbruch"));
    EXPECT_EQ(MegaPanel::HintOf(dialog.links[1]), QStringLiteral("Startmenü"));
    dialog.cancelButton->click();
    const OptionsOutcome outcome = dialog.Outcome();
    EXPECT_EQ(outcome.result, OptionsOutcome::Cancel);
    EXPECT_EQ(outcome.language, 3);
}

TEST_F(OptionsTest, OkAppliesLanguageLookAndLinksAndUninstallEndsWithoutWriting) {
    QDir().mkpath(home.path(QStringLiteral("Desktop")));
    test::ScriptedPrompter prompter;
    prompter.readmeAnswers.push_back(false);
    auto window = std::make_unique<TfmTallow>(prompter);
    window->show();
    window->Settings().list.Language = kEnglish;
    OptionsOutcome german;
    german.result = OptionsOutcome::Ok;
    german.language = kGerman;
    german.background = OutfitGradient;
    german.noQuery = true;
    german.linksChanged = {true, true, false};  // the user ticked both
    prompter.optionsAnswers.push_back(german);
    window->OpenOptions();
    ASSERT_EQ(prompter.optionsRequests.size(), 1u);
    EXPECT_EQ(window->Settings().list.Language, kGerman);
    EXPECT_EQ(window->Settings().Outfit, OutfitGradient);
    EXPECT_EQ(window->Settings().Queries, 1);
    EXPECT_EQ(window->Layout().Tool(TagAdd)->toolTip(), QStringLiteral("Neue Ressource einfügen"));
    EXPECT_TRUE(QFile::exists(Shortcut(0)));
    EXPECT_TRUE(QFile::exists(Shortcut(1)));

    OptionsOutcome cancel;
    cancel.language = kFrench;
    prompter.optionsAnswers.push_back(cancel);
    window->OpenOptions();
    EXPECT_EQ(window->Settings().list.Language, kGerman);

    OptionsOutcome uninstall;
    uninstall.result = OptionsOutcome::Uninstall;
    prompter.optionsAnswers.push_back(uninstall);
    window->OpenOptions();
    EXPECT_TRUE(window->Uninstalled());
    window.reset();  // destroyed: nothing is written any more
    EXPECT_FALSE(QFile::exists(SettingsStore(QStringLiteral("Params")).location()));
    EXPECT_FALSE(QFile::exists(Shortcut(0)));
}

// The boxes start ticked for the desktop and the menu: an OK that changed none makes no shortcut;
// a box the user ticks or clears makes or removes only its own.
TEST_F(OptionsTest, OnlyABoxTheUserChangedMakesOrRemovesItsShortcut) {
    QDir().mkpath(home.path(QStringLiteral("Desktop")));
    const auto confirm = [](const std::function<void(TfmOptDlg&)>& change) {
        TfmOptDlg dialog({1, 6, false, false, true, false, {}, {}}, {}, {});
        dialog.show();  // reads the stored boxes
        change(dialog);
        dialog.okButton->click();
        return dialog.Outcome();
    };
    test::ScriptedPrompter prompter;
    prompter.readmeAnswers.push_back(false);
    TfmTallow window(prompter);
    prompter.optionsAnswers.push_back(confirm([](TfmOptDlg&) {}));
    EXPECT_EQ(prompter.optionsAnswers.back().linksChanged, (std::array<bool, 3>{false, false, false}));
    window.OpenOptions();
    for (int folder = 0; folder < 3; ++folder) EXPECT_FALSE(QFile::exists(Shortcut(folder))) << folder;

    prompter.optionsAnswers.push_back(confirm([](TfmOptDlg& dialog) { dialog.links[2]->click(); }));
    window.OpenOptions();
    EXPECT_FALSE(QFile::exists(Shortcut(0)));
    EXPECT_FALSE(QFile::exists(Shortcut(1)));
    EXPECT_TRUE(QFile::exists(Shortcut(2)));
    // The stored boxes are what the dialog shows next: clearing autostart removes it alone.
    prompter.optionsAnswers.push_back(confirm([](TfmOptDlg& dialog) {
        EXPECT_TRUE(dialog.links[2]->isChecked());
        dialog.links[2]->click();
    }));
    window.OpenOptions();
    EXPECT_FALSE(QFile::exists(Shortcut(2)));
}

TEST_F(OptionsTest, ShortcutsOfTheWindowShowTheProgramsIconFile) {
    QDir().mkpath(home.path(QStringLiteral("Desktop")));
    test::ScriptedPrompter prompter;
    prompter.readmeAnswers.push_back(false);
    TfmTallow window(prompter);
    OptionsOutcome ok;
    ok.result = OptionsOutcome::Ok;
    ok.linksChanged = {false, true, false};
    prompter.optionsAnswers.push_back(ok);
    window.OpenOptions();
    const QString text = QString::fromStdString(test::TempDir::read(Shortcut(1).toStdString()));
    const auto at = text.indexOf(QStringLiteral("\nIcon="));
    ASSERT_GE(at, 0);
    const QString icon = text.mid(at + 6, text.indexOf(u'\n', at + 1) - at - 6);
    EXPECT_NE(icon, QCoreApplication::applicationFilePath());
    EXPECT_FALSE(QImage(icon).isNull()) << icon.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nCategories=Development;\n")));
    // Run from where it was built, the entries point at a copy that Uninstall removes with them.
    ASSERT_TRUE(icon.startsWith(ProgramDataFolder()));
    ASSERT_TRUE(Uninstall({home.path(QStringLiteral("no-install/bin")), home.path(QStringLiteral("none.conf"))}).done);
    EXPECT_FALSE(QFileInfo::exists(icon));
}

}  // namespace
}  // namespace restallow
