// The debug channel's socket lives where only the user can reach it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include "platform/DebugChannel.h"

namespace restallow {
namespace {

class DebugChannelSocket : public ::testing::Test {
protected:
    DebugChannelSocket() {
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("TMPDIR", temporary.path().toLocal8Bit());  // the fallback folder is this test's own
    }
    ~DebugChannelSocket() override {
        for (const Saved& saved : saved_) {
            if (saved.set) qputenv(saved.name, saved.value);
            else qunsetenv(saved.name);
        }
    }
    QTemporaryDir temporary;

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    std::vector<Saved> saved_;
};

TEST_F(DebugChannelSocket, TextGoesToTheViewerInTheRuntimeFolder) {
    QTemporaryDir runtime;  // made with mode 0700
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    EXPECT_EQ(DebugServerPath(), runtime.path() + QStringLiteral("/TDebuggerForm"));
    QLocalServer viewer;
    ASSERT_TRUE(viewer.listen(DebugServerPath()));
    QByteArray received;
    QObject::connect(&viewer, &QLocalServer::newConnection, [&] {
        QLocalSocket* client = viewer.nextPendingConnection();
        QObject::connect(client, &QLocalSocket::readyRead, [&, client] { received += client->readAll(); });
    });
    DebugSend({5, QStringLiteral("abc")});
    for (int i = 0; i < 100 && received.size() < 8; ++i) QTest::qWait(10);
    EXPECT_EQ(received, QByteArray("5 * abc", 8));
}

TEST_F(DebugChannelSocket, WithoutAPrivateRuntimeFolderAFolderOfTheUsersOwnIsMade) {
    qunsetenv("XDG_RUNTIME_DIR");
    const QString folder = temporary.path() + QStringLiteral("/restallow-%1").arg(::getuid());
    EXPECT_EQ(DebugServerPath(), folder + QStringLiteral("/TDebuggerForm"));
    struct stat info {};
    ASSERT_EQ(::lstat(folder.toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::getuid());

    QTemporaryDir open;
    ::chmod(open.path().toLocal8Bit().constData(), 0777);  // a shared folder is not used
    qputenv("XDG_RUNTIME_DIR", open.path().toLocal8Bit());
    EXPECT_EQ(DebugServerPath(), folder + QStringLiteral("/TDebuggerForm"));
    ::chmod(folder.toLocal8Bit().constData(), 0755);  // neither is a fallback folder others can enter
    EXPECT_EQ(DebugServerPath(), QString());
    DebugSend({1});  // silently dropped
    ::chmod(folder.toLocal8Bit().constData(), 0700);
}

TEST(DebugChannel, FormatsValuesAndSendsTheLineWithItsNul) {
    EXPECT_EQ(FormatDebugValues({1, DebugPointer{}, 2}), QStringLiteral("1 *  * 2"));
    EXPECT_EQ(FormatDebugValues({DebugPointer{}, 1}), QStringLiteral("1"));
    EXPECT_EQ(FormatDebugValues({true, 'x', 2.5, DebugNil{}}), QStringLiteral("TRUE * x * 2.5 * nil"));
    EXPECT_EQ(DebugSoundFile(4, QStringLiteral("/snd/")), QStringLiteral("/snd/KLOKKER.wav"));
    EXPECT_EQ(DebugSoundFile(0, QStringLiteral("/snd/")), QString());
    DebugSendText(QStringLiteral("nobody listens"));  // dropped without a word

    QLocalServer::removeServer(DebugServerPath());
    QLocalServer server;
    ASSERT_TRUE(server.listen(DebugServerPath()));
    DebugSend({5, QStringLiteral("abc")});
    ASSERT_TRUE(server.waitForNewConnection(1000));
    QLocalSocket* connection = server.nextPendingConnection();
    QByteArray received;
    for (int i = 0; i < 50 && received.size() < 8; ++i) {
        connection->waitForReadyRead(20);
        received += connection->readAll();
    }
    EXPECT_EQ(received, QByteArray("5 * abc\0", 8));
}

}  // namespace
}  // namespace restallow
