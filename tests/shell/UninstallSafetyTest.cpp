// The removal script removes manifest entries only inside the install prefix: never through
// "..", an absolute path or a symlinked folder; those entries are skipped and reported.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdlib>

#include "languages/MainStrings.h"
#include "shell/Shortcuts.h"
#include "support/IsolatedHome.h"
#include "support/Settings.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

using UninstallSafety = test::IsolatedHome;

TEST_F(UninstallSafety, EntriesOutsideThePrefixAreSkippedAndReported) {
    const QString prefix = home.path(QStringLiteral("prefix"));
    home.write(QStringLiteral("prefix/bin/restallow"), "program");
    home.write(QStringLiteral("outside.txt"), "the user's");
    home.write(QStringLiteral("elsewhere/data.txt"), "the user's too");
    home.write(QStringLiteral("etc-like/passwd"), "system");
    ASSERT_TRUE(QFile::link(home.path(QStringLiteral("elsewhere")), prefix + QStringLiteral("/share")));
    const QString manifest = QString::fromStdString(home.write(
        QStringLiteral("manifest.txt"), "prefix=" + prefix.toStdString() + "\nbin/restallow\n../outside.txt\nbin/../../outside.txt\n" +
                                            home.stdPath(QStringLiteral("etc-like/passwd")) + "\nshare/data.txt\n"));

    QStringList skipped;
    ASSERT_TRUE(Uninstall(manifest, home.path(QStringLiteral("none.conf")), &skipped));
    EXPECT_EQ(skipped, (QStringList{QStringLiteral("../outside.txt"), QStringLiteral("bin/../../outside.txt"),
                                    home.path(QStringLiteral("etc-like/passwd")), QStringLiteral("share/data.txt")}));
    EXPECT_EQ(SkippedEntriesText(skipped.mid(0, 2), kGerman),
              QStringLiteral("Diese Einträge der Installationsliste liegen außerhalb des installierten Ordners und werden nicht "
                             "entfernt:\r../outside.txt\rbin/../../outside.txt"));
    EXPECT_EQ(SkippedEntriesText(skipped.mid(0, 1), kFrench),
              QStringLiteral("Ces entrées de la liste d'installation se trouvent hors du dossier installé et ne sont pas "
                             "supprimées :\r../outside.txt"));
    const QString script = ProgramDataFolder() + QStringLiteral("/DelResTa.sh");
    const std::string text = test::TempDir::read(script.toStdString());
    EXPECT_EQ(text.find("outside"), std::string::npos);
    EXPECT_EQ(text.find("data.txt"), std::string::npos);

    QProcess removal;
    removal.start(QStringLiteral("sh"), {script});
    ASSERT_TRUE(removal.waitForFinished(10000));
    EXPECT_FALSE(QFile::exists(prefix + QStringLiteral("/bin/restallow")));
    for (const char* kept : {"outside.txt", "elsewhere/data.txt", "etc-like/passwd"}) {
        EXPECT_TRUE(QFile::exists(home.path(QString::fromLatin1(kept)))) << kept;
    }
}

TEST(Manifest, APrefixThatIsNotAbsoluteOrMissingRemovesNothing) {
    EXPECT_TRUE(ReadManifest({QStringLiteral("bin/restallow")}).files.isEmpty());
    const ManifestFiles relative = ReadManifest({QStringLiteral("prefix=relative/dir"), QStringLiteral("bin/x")});
    EXPECT_TRUE(relative.files.isEmpty());
    EXPECT_EQ(relative.skipped, QStringList{QStringLiteral("bin/x")});
    const ManifestFiles good = ReadManifest({QStringLiteral("prefix=/opt/r/"), QStringLiteral("bin/./x"), QString()});
    EXPECT_EQ(good.files, QStringList{QStringLiteral("/opt/r/bin/x")});
}

}  // namespace
}  // namespace restallow
