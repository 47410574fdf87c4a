// Debug lines over a local socket.
#include "platform/DebugChannel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
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

// A plain local socket rather than Qt's network module, which would bring its libraries (and
// Kerberos') into every start of the program for a channel that is seldom listened to.
void DebugSendText(const QString& text) {
    const QByteArray server = DebugServerPath().toLocal8Bit();
    sockaddr_un address{};
    if (server.isEmpty() || static_cast<std::size_t>(server.size()) >= sizeof address.sun_path) return;  // dropped
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, server.constData(), static_cast<std::size_t>(server.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    const timeval timeout{1, 0};  // a viewer that stops reading does not hold the program
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {  // else no viewer: dropped
        QByteArray bytes = text.toLocal8Bit();
        bytes.append('\0');
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t sent = ::send(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done), MSG_NOSIGNAL);
            if (sent < 0 && errno == EINTR) continue;
            if (sent <= 0) break;
            done += sent;
        }
    }
    ::close(fd);
}

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
