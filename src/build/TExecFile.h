// TExecFile: starts one external program from a command text, waits for it or not, and can end
// it again. Programs start without a shell; their output is kept for error messages.
#pragma once

#include <sys/types.h>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace restallow {

class TExecFile : public QObject {
    Q_OBJECT

public:
    enum TWindowStyle { wsNorm, wsMinimize, wsMaximize, wsHide, wsMinNoActivate, wsShowNoActivate };
    enum TPriorityClass { pcNormal, pcIdle, pcHigh, pcRealTime };
    enum TWaitStyle { wRegular, wSuspend };
    static constexpr int kStillActive = 259;

    using QObject::QObject;
    ~TExecFile() override;

    // Properties, set by the owner before Execute.
    bool Associate = false;
    QString CommandLine;
    QString Parameters;
    TPriorityClass Priority = pcNormal;
    bool Wait = false;
    TWaitStyle WaitStyle = wRegular;
    TWindowStyle WindowStyle = wsNorm;
    std::function<void(TExecFile&)> OnFail;
    int Language = 1;  // of the texts of ErrorText
    int Tag = 0;

    // Run-time state.
    int CreationFlags = 0;  // priority class bits of the last Execute
    int ErrorCode = 0;      // errno-style code of the last failed start
    QString ErrorText;      // what went wrong at the last failed start
    int ExitCode = 0;       // read by the last Terminate
    bool IsWaiting = false;
    bool ProcessEnded = false;
    QString AssociatedProgram;
    int FinishedExitCode = 0;  // exit code of a program that Execute waited for
    bool FinishedNormally = false;
    QString Output;  // what it wrote to stdout and stderr while Execute waited

    // True only after waiting for a started program to end; false after a failed start and
    // after a start without waiting. While it waits, user input is dropped and a close request
    // ends the program, then closes the window.
    bool Execute();
    // Ends the last started program and every process of its group: true when it was still
    // running (its exit code reads 259). Each gets SIGTERM, and SIGKILL after kEndGraceMs.
    bool Terminate();
    // For a program not waited for that has ended: its output, exit code and way of ending are
    // read into Output, FinishedExitCode and FinishedNormally.
    void CollectEnded();
    QString CommandText() const { return CommandLine + u' ' + Parameters; }
    bool IsRunning() const;
    qint64 ProcessId() const { return IsRunning() ? process_->processId() : 0; }  // of the last start, while it runs

private:
    bool Start(const QString& commandText);
    bool RetryThroughAssociation();
    void Fail(int code, const QString& text);
    void KeepInBackground();
    void EndGroup();
    void EndRestOfGroup(bool dispatch);

    std::unique_ptr<QProcess> process_;
    pid_t group_ = 0;                                    // the process group of the last start
    QElapsedTimer ending_;                               // since the SIGTERM that began its end
    std::vector<std::unique_ptr<QProcess>> background_;  // earlier programs still running
};

// How long a program that is ended may take to remove what it was writing before SIGKILL.
inline constexpr int kEndGraceMs = 2000;

// The longest command text the runner passes on; longer ones are refused, never cut.
inline constexpr qsizetype kMaxCommandText = 128 * 1024;

}  // namespace restallow
