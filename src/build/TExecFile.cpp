// Starting, waiting for and ending external programs.
#include "build/TExecFile.h"

#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

#include <signal.h>

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "fileaccess/InputFile.h"
#include "platform/Association.h"
#include "platform/CommandLine.h"
#include "widgets/UiText.h"

namespace restallow {
namespace {

int PriorityBits(TExecFile::TPriorityClass priority) {
    switch (priority) {
        case TExecFile::pcIdle: return 0x40;
        case TExecFile::pcHigh: return 0x80;
        case TExecFile::pcRealTime: return 0x100;
        default: return 0x20;
    }
}

int NiceValue(TExecFile::TPriorityClass priority) {
    switch (priority) {
        case TExecFile::pcIdle: return 19;
        case TExecFile::pcHigh: return -5;
        case TExecFile::pcRealTime: return -10;
        default: return 0;
    }
}

// While a program is waited for, the window repaints but takes no input: clicks and keys are
// dropped, not kept for later. A request to close a main window (one without a parent) ends the
// program instead; the window is closed again, as usual, once the wait is over. Tool windows
// such as the preview close at once.
class InputBlocker : public QObject {
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }
    QPointer<QWidget> closing;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Wheel:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::ContextMenu:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::TabletPress:
            case QEvent::TabletRelease:
            case QEvent::Drop: return true;
            case QEvent::Close:
                if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() &&
                    !static_cast<QWidget*>(watched)->parentWidget()) {
                    closing = static_cast<QWidget*>(watched);
                    event->ignore();
                    return true;
                }
                return false;
            default: return false;
        }
    }
};

// True while a process of `group` runs. One that has ended but waits for its new parent to
// reap it (a zombie) runs no more, so it does not count; without /proc every member counts.
bool GroupRuns(pid_t group) {
    if (::kill(-group, 0) != 0) return false;
    DIR* proc = ::opendir("/proc");
    if (!proc) return true;
    bool runs = false;
    while (const dirent* entry = ::readdir(proc)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9') continue;
        const fileaccess::Result<std::string> stat =
            fileaccess::ReadFile(std::string("/proc/") + entry->d_name + "/stat", 4096);
        const std::size_t end = stat ? stat->rfind(')') : std::string::npos;  // the name in brackets may hold anything
        char state = 0;
        int processGroup = 0;
        if (end != std::string::npos &&
            std::sscanf(stat->c_str() + end + 1, " %c %*d %d", &state, &processGroup) == 2 && processGroup == group &&
            state != 'Z') {
            runs = true;
            break;
        }
    }
    ::closedir(proc);
    return runs;
}

}  // namespace

TExecFile::~TExecFile() = default;

bool TExecFile::IsRunning() const { return process_ && process_->state() != QProcess::NotRunning; }

void TExecFile::Fail(int code, const QString& text) {
    ErrorCode = code;
    ErrorText = text;
    if (OnFail) OnFail(*this);
}

void TExecFile::KeepInBackground() {
    if (!IsRunning()) {
        process_.reset();
        return;
    }
    // The earlier program runs on; it is reaped and released when it ends.
    QProcess* running = process_.get();
    connect(running, &QProcess::finished, this, [this, running] {
        const auto found = std::find_if(background_.begin(), background_.end(),
                                        [running](const auto& p) { return p.get() == running; });
        if (found != background_.end()) {
            found->release()->deleteLater();
            background_.erase(found);
        }
    });
    background_.push_back(std::move(process_));
}

bool TExecFile::Start(const QString& commandText) {
    if (commandText.size() > kMaxCommandText) {
        ErrorCode = E2BIG;
        ErrorText = MsgText(Language, MsgCommandTooLong).arg(commandText.size());
        return false;
    }
    const std::vector<std::string> words = SplitCommandLine(commandText.toStdString());
    if (words.empty()) {
        ErrorCode = ENOENT;
        ErrorText = MsgText(Language, MsgNoProgram);
        return false;
    }
    KeepInBackground();
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setProgram(QString::fromStdString(words.front()));
    QStringList arguments;
    for (std::size_t i = 1; i < words.size(); ++i) arguments << QString::fromStdString(words[i]);
    process_->setArguments(arguments);
    const int nice = NiceValue(Priority);
    process_->setChildProcessModifier([nice] {
        ::setpgid(0, 0);  // a process group of its own, as a console of its own would be
        if (nice != 0) ::setpriority(PRIO_PROCESS, 0, nice);  // best effort: a refusal keeps the start
    });
    process_->start(QIODevice::ReadOnly);
    group_ = 0;
    ending_.invalidate();
    if (!process_->waitForStarted(-1)) {
        const QString reason = process_->errorString();
        process_.reset();
        ErrorText = reason;
        ErrorCode = ENOENT;
        return false;
    }
    group_ = static_cast<pid_t>(process_->processId());
    return true;
}

bool TExecFile::Execute() {
    CreationFlags = PriorityBits(Priority);
    ProcessEnded = false;
    Output.clear();
    if (!Start(CommandText()) && !RetryThroughAssociation()) {
        Fail(ErrorCode, ErrorText);
        return false;
    }
    if (!Wait) return false;

    IsWaiting = true;
    if (WaitStyle == wSuspend) {
        process_->waitForFinished(-1);
    } else {
        InputBlocker blocker;
        // The event loop may take note of the end first; a wait after it finds nothing to wait for.
        while (process_->state() != QProcess::NotRunning && !process_->waitForFinished(10)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (blocker.closing) EndGroup();
        }
        if (blocker.closing) EndRestOfGroup(true);
        if (QPointer<QWidget> window = blocker.closing) QTimer::singleShot(0, window, [window] { window->close(); });
    }
    ProcessEnded = true;
    IsWaiting = false;
    Output = QString::fromLocal8Bit(process_->readAll());
    FinishedNormally = process_->exitStatus() == QProcess::NormalExit;
    FinishedExitCode = process_->exitCode();
    return true;
}

// The start failed: with Associate, the program the desktop opens CommandLine with is tried.
bool TExecFile::RetryThroughAssociation() {
    if (!Associate || ErrorCode == E2BIG) return false;
    AssociatedProgram = platform::AssociatedProgram(CommandLine);
    if (AssociatedProgram.isEmpty()) {
        ErrorCode = ENOENT;
        ErrorText = MsgText(Language, MsgNoAssociation).arg(CommandLine);
        return false;
    }
    return Start(QString::fromStdString(QuoteArgument(AssociatedProgram.toStdString())) + u' ' +
                 QString::fromStdString(QuoteArgument(CommandLine.toStdString())) + u' ' + Parameters);
}

// The program runs in a process group of its own: ending the group also ends what it started.
// SIGTERM first, so that a program can remove what it was writing; SIGKILL when the grace is over.
void TExecFile::EndGroup() {
    if (group_ <= 0) return;  // kill(-0) would reach this program's own group
    if (!ending_.isValid()) {
        ending_.start();
        ::kill(-group_, SIGTERM);
    } else if (ending_.elapsed() >= kEndGraceMs) {
        ::kill(-group_, SIGKILL);
    }
}

// The first program has ended; what it started gets the rest of the grace, then SIGKILL. The
// group's number stays taken while a process is in it, so no other program is reached.
void TExecFile::EndRestOfGroup(bool dispatch) {
    if (group_ <= 0 || !ending_.isValid()) return;
    while (GroupRuns(group_) && ending_.elapsed() < kEndGraceMs) {
        if (dispatch) QCoreApplication::processEvents(QEventLoop::AllEvents);
        ::usleep(10 * 1000);
    }
    ::kill(-group_, SIGKILL);
}

void TExecFile::CollectEnded() {
    if (!process_ || process_->state() != QProcess::NotRunning) return;
    ProcessEnded = true;
    Output = QString::fromLocal8Bit(process_->readAll());
    FinishedNormally = process_->exitStatus() == QProcess::NormalExit;
    FinishedExitCode = process_->exitCode();
}

bool TExecFile::Terminate() {
    if (!process_) return false;
    if (process_->state() == QProcess::NotRunning) {
        ExitCode = process_->exitCode();
        return false;
    }
    ExitCode = kStillActive;
    EndGroup();
    if (!process_->waitForFinished(kEndGraceMs)) {
        if (group_ > 0) ::kill(-group_, SIGKILL);  // the grace is over
        process_->kill();
        process_->waitForFinished(-1);
    }
    EndRestOfGroup(false);
    return true;
}

}  // namespace restallow
