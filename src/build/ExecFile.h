// TExecFile: starts one external program from a command text, waits for it or not, and can end
// it again. Programs start without a shell; their output is kept for error messages.
#pragma once

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
    int Language = 1;           // of the texts of ErrorText
    int Tag = 0;

    // Run-time state.
    int CreationFlags = 0;      // priority class bits of the last Execute
    int ErrorCode = 0;          // errno-style code of the last failed start
    QString ErrorText;          // what went wrong at the last failed start
    int ExitCode = 0;           // read by the last Terminate
    bool IsWaiting = false;
    bool ProcessEnded = false;
    QString AssociatedProgram;
    int FinishedExitCode = 0;   // exit code of a program that Execute waited for
    bool FinishedNormally = false;
    QString Output;             // what it wrote to stdout and stderr while Execute waited

    // True only after waiting for a started program to end; false after a failed start and
    // after a start without waiting. While it waits, user input is dropped and a close request
    // ends the program, then closes the window.
    bool Execute();
    // Ends the last started program and every process of its group: true when it was still
    // running (its exit code reads 259).
    bool Terminate();
    QString CommandText() const { return CommandLine + u' ' + Parameters; }
    bool IsRunning() const;

private:
    bool Start(const QString& commandText);
    bool RetryThroughAssociation();
    void Fail(int code, const QString& text);
    void KeepInBackground();
    void EndGroup();

    std::unique_ptr<QProcess> process_;
    std::vector<std::unique_ptr<QProcess>> background_;  // earlier programs still running
};

// The longest command text the runner passes on; longer ones are refused, never cut.
inline constexpr qsizetype kMaxCommandText = 128 * 1024;

}  // namespace restallow
