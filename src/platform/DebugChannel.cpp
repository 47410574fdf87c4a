// Debug lines over a local socket.
#include "platform/DebugChannel.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <QLocale>

namespace restallow {
namespace {

QString TextOf(const DebugValue& value) {
    struct Visitor {
        QString operator()(int v) const { return QString::number(v); }
        QString operator()(bool v) const { return v ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); }
        QString operator()(char v) const { return QString(QChar::fromLatin1(v)); }
        QString operator()(double v) const { return QString::number(v, 'g', 15); }
        QString operator()(const QString& v) const { return v; }
        QString operator()(DebugPointer) const { return {}; }
        QString operator()(DebugNil) const { return QStringLiteral("nil"); }
    };
    return std::visit(Visitor{}, value);
}

// A folder only this user can enter: one of theirs, no symlink, closed to group and others.
bool IsPrivateFolder(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & 077) == 0;
}

}  // namespace

QString DebugServerPath() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    QByteArray folder = runtime;
    if (runtime.isEmpty() || !IsPrivateFolder(runtime)) {
        // No runtime folder of the user's: a folder of their own in the temporary folder, made
        // closed to others; one that someone else made or opened is not used.
        const QByteArray temporary = qEnvironmentVariableIsEmpty("TMPDIR") ? QByteArray("/tmp") : qgetenv("TMPDIR");
        folder = temporary + QByteArray("/restallow-") + QByteArray::number(::getuid());
        ::mkdir(folder.constData(), 0700);
        if (!IsPrivateFolder(folder)) return {};
    }
    return QString::fromLocal8Bit(folder) + u'/' + QString::fromLatin1(kDebugServer);
}

QString FormatDebugValues(const std::vector<DebugValue>& values) {
    QString text;
    for (const DebugValue& value : values) {
        if (!text.isEmpty()) text += QStringLiteral(" * ");
        text += TextOf(value);
    }
    return text;
}

namespace {

enum class Delivery { Taken, NoViewer, NotTaken };

// What a line may cost the window at most, however the viewer behaves.
constexpr auto kSendBudget = std::chrono::milliseconds(2);

// The one process-wide state of the channel: the lines that no caller holds a channel object
// for must still be counted from one call to the next.
std::atomic<std::uint64_t> g_dropped{0};
std::atomic<std::uint64_t> g_reported{0};

// One line on a connection of its own; nothing here waits beyond kSendBudget.
Delivery SendLine(const sockaddr_un& address, const QByteArray& bytes) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Delivery::NoViewer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int code = errno;
        ::close(fd);
        // A full queue of connections: a viewer listens but accepts nothing.
        return code == EAGAIN ? Delivery::NotTaken : Delivery::NoViewer;
    }
    const auto deadline = std::chrono::steady_clock::now() + kSendBudget;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t sent =
            ::send(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done), MSG_NOSIGNAL);
        if (sent > 0) {
            done += sent;
            continue;
        }
        if (sent < 0 && errno == EINTR) continue;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (sent == 0 || errno != EAGAIN || left.count() <= 0) break;
        pollfd wait{fd, POLLOUT, 0};
        if (::poll(&wait, 1, static_cast<int>(left.count())) <= 0) break;  // a viewer that reads nothing
    }
    ::close(fd);
    return done == bytes.size() ? Delivery::Taken : Delivery::NotTaken;
}

}  // namespace

// A plain local socket rather than Qt's network module, which would bring its libraries (and
// Kerberos') into every start of the program for a channel that is seldom listened to.
bool DebugSendText(const QString& text) {
    const QByteArray server = DebugServerPath().toLocal8Bit();
    sockaddr_un address{};
    if (server.isEmpty() || static_cast<std::size_t>(server.size()) >= sizeof address.sun_path)
        return false;  // dropped
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, server.constData(), static_cast<std::size_t>(server.size()));
    const std::uint64_t unreported = g_dropped.load() - g_reported.load();
    if (unreported > 0) {
        const QByteArray note =
            QByteArray("(") + QByteArray::number(unreported) + QByteArray(" trace lines were dropped)");
        if (SendLine(address, note + '\0') == Delivery::Taken) g_reported.fetch_add(unreported);
    }
    QByteArray bytes = text.toLocal8Bit();
    bytes.append('\0');
    const Delivery delivery = SendLine(address, bytes);
    if (delivery == Delivery::NotTaken) g_dropped.fetch_add(1);
    return delivery == Delivery::Taken;
}

std::uint64_t DebugLinesDropped() { return g_dropped.load(); }

void DebugSend(const std::vector<DebugValue>& values) { DebugSendText(FormatDebugValues(values)); }

QString DebugSoundFile(int sound, const QString& soundDirectory) {
    static const char* const kSounds[] = {"", "1", "2", "3", "KLOKKER", "MEEPMEEP", "POP1", "HORN1", "BIRDS"};
    if (sound < 1 || sound > 8) return {};
    return soundDirectory + QString::fromLatin1(kSounds[sound]) + QStringLiteral(".wav");
}

void DebugSendSound(const std::vector<DebugValue>& values, int sound, const QString& soundDirectory,
                    const std::function<void(const QString&)>& play) {
    DebugSend(values);
    const QString file = DebugSoundFile(sound, soundDirectory);
    if (!file.isEmpty() && play) play(file);
}

}  // namespace restallow
