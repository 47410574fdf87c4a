// Every modal interaction of the program goes through this interface, so commands run in tests
// against a scripted double: message boxes, file dialogs, the two list dialogs, beeps, pointer moves.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "platform/OutputKind.h"

namespace restallow {

enum class MsgButton { None, Ok, Cancel, Yes, No, Abort, Retry };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Information, Question, Warning, Error };
enum class BeepKind { Default, Information };

// Texts keep their carriage-return line breaks; the real prompter shows them as line breaks.
struct MessageRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgButton defaultButton = MsgButton::None;
};

struct FileDialogRequest {
    QString title;
    QString filter;  // "Description|pattern;pattern|Description|pattern"
    QString directory;
    int filterIndex = 1;  // 1-based, as the filter's pairs are counted
    QString defaultSuffix;
    bool mustExist = true;  // open dialogs: the chosen file must exist
};

struct FileDialogAnswer {
    QString path;
    int filterIndex = 1;
};

struct ReadmeRequest {
    QString caption;       // "Readme"
    QString checkCaption;  // "Show Readme on next start?"
    QStringList lines;
    bool showOnStart = true;
};

// What the options dialog starts with, and what the user left in it.
struct OptionsState {
    int language = 1;
    int background = 6;
    bool noHints = false;
    bool noQuery = false;
    bool backgroundEnabled = true;  // off on a screen of 8 bits per pixel or less
    bool packaged = false;          // a packaged build: Uninstall leaves the program to the package manager
    QStringList includeDirs;        // the compiler's include folders, in their order
    QStringList defines;            // NAME or NAME=VALUE
};

struct OptionsOutcome {
    enum Result { Ok, Cancel, Uninstall } result = Cancel;
    int language = 1;
    int background = 6;
    bool noHints = false;
    bool noQuery = false;
    std::array<bool, 3> links{true, true, false};  // desktop, start menu, autostart
    std::array<bool, 3> linksChanged{};            // the boxes the user changed: only these act
    QStringList includeDirs;
    QStringList defines;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MsgButton message(const MessageRequest& request) = 0;
    virtual std::optional<FileDialogAnswer> openFile(const FileDialogRequest& request) = 0;
    // Asks before replacing an existing file.
    virtual std::optional<FileDialogAnswer> saveFile(const FileDialogRequest& request) = 0;
    // The Start-ID dialog: the typed text, or nothing when it was not closed with OK.
    virtual std::optional<QString> askStartId(const QString& proposal, int language) = 0;
    // The output-kind dialog: kResOutput or kDcrOutput, or nothing when it was not closed with OK.
    virtual std::optional<int> askOutputKind(int resKind, int language) = 0;
    // The readme dialog; returns the state of its show-on-start box when it is closed.
    virtual bool showReadme(const ReadmeRequest& request) = 0;
    virtual OptionsOutcome showOptions(const OptionsState& state) = 0;
    virtual void beep(BeepKind kind) = 0;
    virtual void movePointer(const QPoint& globalPosition) = 0;
};

}  // namespace restallow
