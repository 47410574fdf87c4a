// Uninstall removes nothing outside the install: the prefix is where the program runs from, a
// hostile install list is refused whole with a message naming its fault, and the removal script
// checks every path again when it runs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "languages/MainStrings.h"
#include "shell/Shortcuts.h"
#include "shell/Uninstall.h"
#include "support/IsolatedHome.h"
#include "support/Settings.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

class UninstallSafety : public test::IsolatedHome {
protected:
    // An install in `folder` of the home: the program, a data file and the list as the install
    // step writes it, with `list` after its prefix line.
    QString Install(const QString& folder, const std::string& list) {
        home.write(folder + QStringLiteral("/bin/restallow"), "program");
        home.write(folder + QStringLiteral("/share/applications/restallow.desktop"), "entry");
        home.write(folder + QStringLiteral("/share/restallow/install-manifest.txt"), list);
        return QFileInfo(home.path(folder)).canonicalFilePath();
    }
    static std::string Line(const QString& text) { return text.toStdString() + "\n"; }
    QString Script() const { return ProgramDataFolder() + QStringLiteral("/DelResTa.sh"); }
    void RunScript() const {
        QProcess removal;  // what the next log-in runs
        removal.start(QStringLiteral("sh"), {Script()});
        ASSERT_TRUE(removal.waitForFinished(10000));
    }
};

TEST_F(UninstallSafety, HostileListsAreRefusedWholeWithAMessageNamingTheirFault) {
    home.write(QStringLiteral("elsewhere/bin/restallow"), "the user's");
    const QString elsewhere = QFileInfo(home.path(QStringLiteral("elsewhere"))).canonicalFilePath();
    home.write(QStringLiteral("elsewhere/data.txt"), "the user's too");
    home.write(QStringLiteral("pre/fix"), "a file of the user's");
    QDir().mkpath(home.path(QStringLiteral("prefix")));
    const QString prefix = QFileInfo(home.path(QStringLiteral("prefix"))).canonicalFilePath();
    const std::string head = "prefix=" + prefix.toStdString() + "\n";
    struct Case {
        QString folder;  // the install's folder in the home
        std::string list;
        InstallListRefusal::Reason reason;
        int line;
        QString named;  // what the message must name
    };
    const QString newline = QStringLiteral("pre\nfix");  // an install prefix holding a newline
    const Case cases[] = {
        {QStringLiteral("prefix"),
         head + "bin/restallow\nprefix=" + elsewhere.toStdString() + "\nbin/restallow\ndata.txt\n",
         InstallListRefusal::SecondPrefix, 3, elsewhere},
        {QStringLiteral("prefix"), Line(QStringLiteral("prefix=") + elsewhere) + "bin/restallow\ndata.txt\n",
         InstallListRefusal::OtherPrefix, 1, elsewhere},
        // As the install step writes it: the newline splits the prefix, and "fix" would name a file of pre/.
        {newline,
         Line(QStringLiteral("prefix=") + QFileInfo(home.path(QString())).canonicalFilePath() + u'/' + newline) +
             "bin/restallow\n",
         InstallListRefusal::OtherPrefix, 1, QStringLiteral("pre\\nfix")},
        {QStringLiteral("prefix"), head + "bin/restallow\nbin/x\ty\n", InstallListRefusal::ControlCharacter, 3,
         QStringLiteral("bin/x\\ty")},
        {QStringLiteral("prefix"), head + "bin/restallow\nbin/x\r\n", InstallListRefusal::ControlCharacter, 3,
         QStringLiteral("bin/x\\r")},
        {QStringLiteral("prefix"), head + "bin/restallow\nbin/../../elsewhere/data.txt\n", InstallListRefusal::Outside,
         3, QStringLiteral("bin/../../elsewhere/data.txt")},
        {QStringLiteral("prefix"), head + "bin/restallow\n" + Line(elsewhere + QStringLiteral("/data.txt")),
         InstallListRefusal::Outside, 3, elsewhere + QStringLiteral("/data.txt")},
        {QStringLiteral("prefix"), head + "bin/restallow\nlinked/data.txt\n", InstallListRefusal::Symlinked, 3,
         prefix + QStringLiteral("/linked")},
        {QStringLiteral("prefix"), "bin/restallow\n", InstallListRefusal::NoPrefix, 1, QStringLiteral("prefix=")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        const QString installed = Install(c.folder, c.list);
        QFile::link(elsewhere, prefix + QStringLiteral("/linked"));
        const UninstallResult result =
            Uninstall({installed + QStringLiteral("/bin"), home.path(QStringLiteral("none.conf"))});
        EXPECT_FALSE(result.done);
        ASSERT_TRUE(result.refusal.has_value());
        EXPECT_EQ(result.refusal->reason, c.reason);
        EXPECT_EQ(result.refusal->line, c.line);
        const QString message = RefusalMessage(*result.refusal, result.listPath, kEnglish);
        EXPECT_TRUE(message.startsWith(QStringLiteral("The install list ") + ShownWithControls(installed)))
            << message.toStdString();
        EXPECT_TRUE(message.contains(c.named)) << message.toStdString();
        EXPECT_FALSE(QFile::exists(Script()));  // nothing is set up to run
        EXPECT_FALSE(QFile::exists(ShortcutFolders()[2] + QStringLiteral("/Delete ResTallow.desktop")));
    }
    for (const char* kept : {"elsewhere/bin/restallow", "elsewhere/data.txt", "pre/fix", "prefix/bin/restallow"}) {
        EXPECT_TRUE(QFile::exists(home.path(QString::fromLatin1(kept)))) << kept;
    }
}

TEST_F(UninstallSafety, TheRemovalScriptChecksEachPathAgainWhenItRuns) {
    const QString prefix = Install(QStringLiteral("prefix"), "");
    home.write(QStringLiteral("prefix/lib/x/module.so"), "module");
    home.write(QStringLiteral("prefix/share/restallow/install-manifest.txt"),
               "prefix=" + prefix.toStdString() +
                   "\nbin/restallow\nshare/applications/restallow.desktop\nlib/x/module.so\n"
                   "share/restallow/install-manifest.txt\n");
    const UninstallResult result = Uninstall({prefix + QStringLiteral("/bin"), home.path(QStringLiteral("none.conf"))});
    ASSERT_TRUE(result.done);
    ASSERT_FALSE(result.refusal.has_value());
    // Between Uninstall and the log-in, two folders of the install become symlinks to the user's files.
    home.write(QStringLiteral("mine/applications/restallow.desktop"), "the user's");
    home.write(QStringLiteral("mine/restallow/install-manifest.txt"), "the user's");
    home.write(QStringLiteral("mine/x/module.so"), "the user's");
    ASSERT_TRUE(QDir(prefix + QStringLiteral("/share")).removeRecursively());
    ASSERT_TRUE(QFile::link(home.path(QStringLiteral("mine")), prefix + QStringLiteral("/share")));
    ASSERT_TRUE(QDir(prefix + QStringLiteral("/lib/x")).removeRecursively());
    ASSERT_TRUE(QFile::link(home.path(QStringLiteral("mine/x")), prefix + QStringLiteral("/lib/x")));
    RunScript();
    EXPECT_FALSE(QFile::exists(prefix + QStringLiteral("/bin/restallow")));
    EXPECT_FALSE(QFileInfo::exists(prefix + QStringLiteral("/bin")));  // emptied, so removed
    for (const char* kept :
         {"mine/applications/restallow.desktop", "mine/restallow/install-manifest.txt", "mine/x/module.so"}) {
        EXPECT_TRUE(QFile::exists(home.path(QString::fromLatin1(kept)))) << kept;
    }
    EXPECT_TRUE(QFileInfo(prefix + QStringLiteral("/share")).isSymLink());
    EXPECT_FALSE(QFile::exists(Script()));

    // A script that names paths outside the prefix or with ".." leaves them too.
    home.write(QStringLiteral("outside.txt"), "the user's");
    QDir().mkpath(prefix + QStringLiteral("/bin"));
    const QString script =
        RemovalScript({home.path(QStringLiteral("outside.txt")), prefix + QStringLiteral("/bin/../../outside.txt")},
                      prefix, home.path(QStringLiteral("entry")), home.path(QStringLiteral("script.sh")));
    home.write(QStringLiteral("script.sh"), script.toStdString());
    QProcess run;
    run.start(QStringLiteral("sh"), {home.path(QStringLiteral("script.sh"))});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_TRUE(QFile::exists(home.path(QStringLiteral("outside.txt"))));
}

TEST_F(UninstallSafety, TheListsPrefixMayNameTheProgramsFolderThroughASymlink) {
    const QString prefix = Install(QStringLiteral("real"), "");
    ASSERT_TRUE(QFile::link(prefix, home.path(QStringLiteral("alias"))));
    const InstallList list = CheckInstallList(
        {QStringLiteral("prefix=") + home.path(QStringLiteral("alias")), QStringLiteral("bin/./restallow"), QString()},
        InstallPrefix(home.path(QStringLiteral("alias/bin"))));
    ASSERT_FALSE(list.refusal.has_value());
    EXPECT_EQ(list.files, QStringList{QFileInfo(prefix).canonicalFilePath() + QStringLiteral("/bin/restallow")});

    QDir().mkpath(home.path(QStringLiteral("folder-list")));  // a list that cannot be read is refused
    const InstallList unreadable = ReadInstallList(home.path(QStringLiteral("folder-list")), prefix);
    ASSERT_TRUE(unreadable.refusal.has_value());
    EXPECT_EQ(unreadable.refusal->reason, InstallListRefusal::Unreadable);
    EXPECT_TRUE(ReadInstallList(home.path(QStringLiteral("missing.txt")), prefix).files.isEmpty());
    EXPECT_FALSE(ReadInstallList(home.path(QStringLiteral("missing.txt")), prefix).refusal.has_value());
}

TEST(UninstallTexts, TheRefusalIsWordedInEachLanguage) {
    const InstallListRefusal second{InstallListRefusal::SecondPrefix, 3, QStringLiteral("/home/u"), {}};
    EXPECT_EQ(RefusalMessage(second, QStringLiteral("/opt/r/list"), kEnglish),
              QStringLiteral("The install list /opt/r/list is refused, so no file of the program will be removed:\r"
                             "line 3 names a second install folder: /home/u"));
    EXPECT_EQ(RefusalMessage(second, QStringLiteral("/opt/r/list"), kFrench),
              QStringLiteral(
                  "La liste d'installation /opt/r/list est refusée ; aucun fichier du programme ne sera supprimé :\r"
                  "la ligne 3 nomme un second dossier d'installation : /home/u"));
    const InstallListRefusal outside{InstallListRefusal::Outside, 2, QStringLiteral("../x"), QStringLiteral("/opt/r")};
    EXPECT_EQ(RefusalMessage(outside, QStringLiteral("/opt/r/list"), kGerman),
              QStringLiteral(
                  "Die Installationsliste /opt/r/list wird abgelehnt, daher wird keine Datei des Programms gelöscht:\r"
                  "Zeile 2 nennt eine Datei außerhalb des Installationsordners /opt/r: ../x"));
    EXPECT_EQ(ShownWithControls(QStringLiteral("a\nb\x01")), QStringLiteral("a\\nb\\x01"));
}

}  // namespace
}  // namespace restallow
