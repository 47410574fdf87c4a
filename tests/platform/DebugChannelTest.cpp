// The debug channel's socket lives where only the user can reach it, and a viewer that takes
// nothing never holds the window.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <atomic>
#include <thread>

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
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"})
            saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("TMPDIR", temporary.path().toLocal8Bit());  // the fallback folder is this test's own
    }
    ~DebugChannelSocket() override {
        for (const Saved& saved : saved_) {
            if (saved.set)
                qputenv(saved.name, saved.value);
            else
                qunsetenv(saved.name);
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

// A listening socket at the viewer's place that the test drives by hand.
int Listen(const QString& path, int backlog) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.toLocal8Bit().constData());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, backlog) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The longest time one of `lines` sends took, in milliseconds; the lines taken go to `taken`.
qint64 SlowestSend(int lines, const QString& text, int* taken) {
    qint64 slowest = 0;
    for (int i = 0; i < lines; ++i) {
        QElapsedTimer clock;
        clock.start();
        *taken += DebugSendText(text) ? 1 : 0;
        slowest = std::max(slowest, clock.elapsed());
    }
    return slowest;
}

// A viewer that takes everything, started after lines were lost: the number of lost lines it is
// told before the next line (-1 when it hears no such line).
int LostLinesToldToTheNextViewer() {
    ::unlink(DebugServerPath().toLocal8Bit().constData());
    QLocalServer viewer;
    if (!viewer.listen(DebugServerPath()) || !DebugSendText(QStringLiteral("after"))) return -1;
    QByteArray received;
    for (int connection = 0; connection < 2 && viewer.waitForNewConnection(1000); ++connection) {
        QLocalSocket* client = viewer.nextPendingConnection();
        while (client->state() == QLocalSocket::ConnectedState && client->waitForReadyRead(1000))
            received += client->readAll();
        received += client->readAll();
    }
    const QByteArray tail(" trace lines were dropped)\0after\0", 33);
    if (!received.startsWith('(') || !received.endsWith(tail)) return -1;
    return received.mid(1, received.size() - 1 - tail.size()).toInt();
}

TEST_F(DebugChannelSocket, AViewerThatAcceptsNothingLosesLinesButNeverHoldsTheWindow) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const int stalled = Listen(DebugServerPath(), 4);
    ASSERT_GE(stalled, 0);
    const std::uint64_t before = DebugLinesDropped();
    int taken = 0;
    // Each line used to wait a second for the viewer; a few milliseconds are all it may cost.
    EXPECT_LT(SlowestSend(200, QStringLiteral("a trace line"), &taken), 250);
    EXPECT_LE(taken, 10);  // only the few that the queue of connections holds
    EXPECT_EQ(DebugLinesDropped() - before, static_cast<std::uint64_t>(200 - taken));
    ::close(stalled);

    // A viewer that takes lines again first hears how many it lost.
    EXPECT_GE(LostLinesToldToTheNextViewer(), 200 - taken);
}

TEST_F(DebugChannelSocket, AViewerThatReadsNothingLosesLongLinesButNeverHoldsTheWindow) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const int listener = Listen(DebugServerPath(), 64);
    ASSERT_GE(listener, 0);
    ::fcntl(listener, F_SETFL, O_NONBLOCK);
    std::atomic<bool> stop{false};
    std::vector<int> accepted;
    std::thread acceptor([&] {  // takes every connection and never reads from one
        while (!stop) {
            const int client = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK);
            if (client >= 0)
                accepted.push_back(client);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const std::uint64_t before = DebugLinesDropped();
    int taken = 0;
    EXPECT_LT(SlowestSend(20, QString(4 << 20, u'x'), &taken), 250);
    stop = true;
    acceptor.join();
    EXPECT_EQ(taken, 0);  // four megabytes fit in no socket's buffer
    EXPECT_EQ(DebugLinesDropped() - before, 20u);
    for (int fd : accepted) ::close(fd);
    ::close(listener);
    EXPECT_GE(LostLinesToldToTheNextViewer(), 1);  // the last line's loss at least; the others were told
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
