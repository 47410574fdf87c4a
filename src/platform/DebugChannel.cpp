// Debug lines over a local socket.
#include "platform/DebugChannel.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QLocalSocket>
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

void DebugSendText(const QString& text) {
    const QString server = DebugServerPath();
    if (server.isEmpty()) return;  // no private place for the socket: dropped
    QLocalSocket socket;
    socket.connectToServer(server);
    if (!socket.waitForConnected(50)) return;  // no viewer: dropped
    QByteArray bytes = text.toLocal8Bit();
    bytes.append('\0');
    socket.write(bytes);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
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
