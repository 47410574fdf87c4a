// File field handlers. Setting a field's text runs its change handler again at once, inside
// the running one, as typing would.
#include "files/FilePanel.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWidget>

#include "files/ExeType.h"
#include "files/FileFields.h"
#include "files/FileInfo.h"
#include "languages/MainStrings.h"
#include "widgets/FileEdit.h"
#include "widgets/ToolTags.h"
#include "widgets/UiText.h"

namespace restallow {
namespace {

// The folder a field's browse dialog starts in: the folder of the file, with its slash.
QString FolderOf(const QString& name) { return QFileInfo(name).absolutePath() + u'/'; }

}  // namespace

FilePanel::FilePanel(FileWidgets ui, AppSettings& settings, Prompter& prompter, Hooks hooks, QObject* parent)
    : QObject(parent), ui_(ui), settings_(settings), prompter_(prompter), hooks_(std::move(hooks)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &FilePanel::Timer1Timer);
    connect(ui_.filename1, &FileEdit::textChanged, this, [this] { Filename1Change(1); });
    connect(ui_.filename2, &FileEdit::textChanged, this, [this] { Filename1Change(2); });
    connect(ui_.filename1->edit(), &QLineEdit::editingFinished, this, &FilePanel::Filename1Exit);
    connect(ui_.filename2->edit(), &QLineEdit::editingFinished, this, &FilePanel::Filename2Exit);
    connect(ui_.filename1, &FileEdit::browseClicked, this, [this] { Browse(1); });
    connect(ui_.filename2, &FileEdit::browseClicked, this, [this] { Browse(2); });
    connect(ui_.filename1, &FileEdit::fileDropped, this, [this](const QString& path) { DropFile(1, path); });
    connect(ui_.filename2, &FileEdit::fileDropped, this, [this](const QString& path) { DropFile(2, path); });
    connect(ui_.version16, &QRadioButton::clicked, this, &FilePanel::VersionClick);
    connect(ui_.version32, &QRadioButton::clicked, this, &FilePanel::VersionClick);
}

QString FilePanel::FieldName(const FileEdit* field) const { return FieldFileName(field->text()); }
QString FilePanel::InputName() const { return FieldName(ui_.filename1); }
QString FilePanel::OutputName() const { return FieldName(ui_.filename2); }
bool FilePanel::SixteenBit() const { return ui_.version16->isChecked(); }
QString FilePanel::InputText() const { return ui_.filename1->text(); }
QString FilePanel::OutputText() const { return ui_.filename2->text(); }
void FilePanel::FocusOutput() { ui_.filename2->edit()->setFocus(); }

void FilePanel::SetText(FileEdit* field, const QString& text) { field->setText(text); }

void FilePanel::Filename1Change(int fieldTag) {
    const QString name = InputName();
    const QString ext = FileExtension(name);
    std::uint32_t typeCode = 0;
    if (!outputNote_.isEmpty()) {  // it spoke of the files before
        outputNote_.clear();
        ShowOutputInfo();
    }
    if (fieldTag == 1) {
        if (IsExtension(ext, u".rc")) {
            if (QFileInfo(name).isFile() && hooks_.loadScript) hooks_.loadScript(name);
            SetText(ui_.filename2, ProposeOutputName(name, settings_.list.ResKind, SixteenBit()));
        } else if (IsExtension(ext, u".exe")) {
            if (!IsExtension(FileExtension(OutputName()), u".exe")) SetText(ui_.filename2, QString());
            // A name being typed may pass through ".exe" ("install.exe_"): only a file is tested,
            // and what the user typed stays.
            if (QFileInfo(name).isFile()) {
                typeCode = GetExeType(name.toStdString());
                if (!Is16BitWindowsProgram(typeCode)) TellNot16Bit(name);
            }
        }
    } else if (!ui_.filename2->text().isEmpty() && IsExtension(ext, u".exe") && QFileInfo(name).isFile()) {
        typeCode = GetExeType(name.toStdString());
    }
    UpdateActionButtons(FileExtension(InputName()), typeCode);
    StartRefresh(100);
}

void FilePanel::TellNot16Bit(const QString& name) {
    const int language = settings_.list.Language;
    prompter_.beep(BeepKind::Information);
    prompter_.message({UiText(language, UiNot16BitFile) + QStringLiteral("\r\r") + name + QStringLiteral("\r\r") +
                           UiText(language, UiNot16BitText),
                       QStringLiteral("Information"), MsgButtons::Ok, MsgIcon::Information, MsgButton::Ok});
}

// A greyed-out output field keeps no name: a name it kept would be used by the next command.
void FilePanel::UpdateActionButtons(const QString& ext, std::uint32_t typeCode) {
    if (!ComputeActionStates(ext, typeCode, ui_.filename1->text(), QString()).output &&
        !ui_.filename2->text().isEmpty()) {
        SetText(ui_.filename2, QString());
    }
    const ActionStates states = ComputeActionStates(ext, typeCode, ui_.filename1->text(), ui_.filename2->text());
    ui_.enableTool(TagCompile, states.compile);
    ui_.version->setEnabled(states.compile);
    ui_.filename2->setEnabled(states.output);
    ui_.enableTool(TagMinimize, states.minimize);
    ui_.enableTool(TagExpand, states.expand);
    ui_.actions->update();
}

void FilePanel::Filename1Exit() {
    const QString name = InputName();
    if (name.isEmpty()) return;
    settings_.Filename1FilterIndex = InputFilterIndex(name);
    settings_.Filename1InitialDir = FolderOf(name);
}

void FilePanel::Filename2Exit() {
    const QString name = OutputName();
    if (!name.isEmpty()) settings_.Filename2InitialDir = FolderOf(name);
}

void FilePanel::VersionClick() {
    const QString text = ui_.filename2->text();
    if (text.isEmpty()) return;
    const QString switched = SwitchVersionMarker(text, SixteenBit());
    if (switched != text) SetText(ui_.filename2, switched);
}

// The dialog opens in the folder of the file the field names, when that folder is there, else
// in the folder used last.
void FilePanel::Browse(int fieldTag) {
    const int language = settings_.list.Language;
    FileDialogRequest request;
    request.title = UiText(language, UiBrowse);
    const bool input = fieldTag == 1;
    request.filter = UiText(language, input ? 50 : 51);
    const QString current = input ? InputName() : OutputName();
    const bool folderThere = !current.isEmpty() && QFileInfo(FolderOf(current)).isDir();
    request.directory = folderThere ? FolderOf(current)
                        : input     ? settings_.Filename1InitialDir
                                    : settings_.Filename2InitialDir;
    request.filterIndex = input ? settings_.Filename1FilterIndex : 1;
    request.mustExist = input;
    const std::optional<FileDialogAnswer> answer = prompter_.openFile(request);
    ui_.actions->update();  // the dialog may have covered the action panel
    if (answer) TakeChosenFile(fieldTag, answer->path, answer->filterIndex);
}

// A file dropped on a field goes the way its browse dialog would take it, with the filter that
// the dialog would show for it next time.
void FilePanel::DropFile(int fieldTag, const QString& path) {
    if (fieldTag == 1 && !QFileInfo(path).isFile()) return;  // the input dialog takes existing files only
    if (fieldTag != 1 && QFileInfo(path).isDir()) return;
    TakeChosenFile(fieldTag, path, fieldTag == 1 ? InputFilterIndex(path) : 1);
}

void FilePanel::TakeChosenFile(int fieldTag, const QString& path, int filterIndex) {
    if (fieldTag == 1) {
        settings_.Filename1InitialDir = FolderOf(path);
        settings_.Filename1FilterIndex = filterIndex;
    } else {
        settings_.Filename2InitialDir = FolderOf(path);
    }
    SetText(fieldTag == 1 ? ui_.filename1 : ui_.filename2, FieldTextForPath(path));
    if (fieldTag != 1) chosenOutput_ = ui_.filename2->text();
}

bool FilePanel::OutputChosen() const { return !chosenOutput_.isEmpty() && ui_.filename2->text() == chosenOutput_; }

void FilePanel::NoteForOutput(const QString& line) {
    outputNote_ = line;
    ShowOutputInfo();
}

void FilePanel::ShowFileInfo(QPlainTextEdit* box, FileEdit* field) {
    QStringList lines = FileInfoLines(FieldName(field), settings_.list.Language);
    for (const QString& line : {outputNote_, outputNotice_}) {
        if (box != ui_.memo2 || line.isEmpty()) continue;
        if (!lines.isEmpty()) lines << QString();  // an empty line between the file and the notice
        lines << line;
    }
    box->clear();
    box->setPlainText(lines.join(u'\n'));
}

void FilePanel::SetOutputNotice(const QString& notice) {
    outputNotice_ = notice;
    ShowOutputInfo();
}

void FilePanel::StartRefresh(int milliseconds) {
    if (timer_.isActive() && timer_.interval() == milliseconds) return;
    timer_.start(milliseconds);
}

void FilePanel::Timer1Timer() {
    ShowFileInfo(ui_.memo1, ui_.filename1);
    ShowFileInfo(ui_.memo2, ui_.filename2);
    timer_.stop();
    if (hooks_.refreshed) hooks_.refreshed();
}

}  // namespace restallow
