// The input and output file fields with their browse dialogs, the version choice, the enabling
// of the action buttons, and the two information boxes with their refresh timer.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "platform/Prompter.h"
#include "shell/AppSettings.h"

class QGroupBox;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace restallow {

class FileEdit;

// The file fields, the version choice and the information boxes; the main window's layout holds
// them as they are.
struct FileFieldWidgets {
    FileEdit* filename1 = nullptr;
    FileEdit* filename2 = nullptr;
    QGroupBox* version = nullptr;
    QRadioButton* version16 = nullptr;
    QRadioButton* version32 = nullptr;
    QPlainTextEdit* memo1 = nullptr;
    QPlainTextEdit* memo2 = nullptr;
};

// The main window's widgets that the file fields drive; the window fills it in.
struct FileWidgets : FileFieldWidgets {
    QWidget* actions = nullptr;                             // the action panel, repainted after a change
    std::function<void(int tag, bool enabled)> enableTool;  // a tool button with its label area
};

class FilePanel : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void(const QString&)> loadScript;  // an existing .rc named by the input field
        std::function<void()> refreshed;                 // the timer fired and both boxes are new
    };

    FilePanel(FileWidgets ui, AppSettings& settings, Prompter& prompter, Hooks hooks, QObject* parent = nullptr);

    QString InputName() const;   // the input field's file name
    QString OutputName() const;  // the output field's file name
    bool SixteenBit() const;

    void Filename1Change(int fieldTag);  // 1 input, 2 output
    void Filename1Exit();
    void Filename2Exit();
    void VersionClick();
    void Browse(int fieldTag);
    void DropFile(int fieldTag, const QString& path);
    void UpdateActionButtons(const QString& ext, std::uint32_t typeCode);
    void ShowFileInfo(QPlainTextEdit* box, FileEdit* field);
    // The output field's text as typed; an empty one takes the focus.
    QString OutputText() const;
    QString InputText() const;
    void FocusOutput();
    void ShowOutputInfo() { ShowFileInfo(ui_.memo2, ui_.filename2); }
    // A line the output box shows below the file's information from now on (empty: none).
    void SetOutputNotice(const QString& notice);
    // Starts the one-shot refresh; the same interval again does not restart a running countdown.
    void StartRefresh(int milliseconds);
    QTimer& Timer1() { return timer_; }

private:
    void Timer1Timer();
    void SetText(FileEdit* field, const QString& text);
    void TakeChosenFile(int fieldTag, const QString& path, int filterIndex);
    QString FieldName(const FileEdit* field) const;

    FileWidgets ui_;
    AppSettings& settings_;
    Prompter& prompter_;
    Hooks hooks_;
    QTimer timer_;
    QString outputNotice_;
};

}  // namespace restallow
