// Modal interactions shown with Qt.
#include "app/QtPrompter.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/FileFilter.h"
#include "resources/TfmIDDlg.h"
#include "resources/TfmResDlg.h"
#include "shell/TfmOptDlg.h"
#include "shell/TfmReadme.h"

namespace restallow {
namespace {

QMessageBox::StandardButton ToQt(MsgButton button) {
    switch (button) {
        case MsgButton::Ok: return QMessageBox::Ok;
        case MsgButton::Cancel: return QMessageBox::Cancel;
        case MsgButton::Yes: return QMessageBox::Yes;
        case MsgButton::No: return QMessageBox::No;
        case MsgButton::Abort: return QMessageBox::Abort;
        case MsgButton::Retry: return QMessageBox::Retry;
        default: return QMessageBox::NoButton;
    }
}

QMessageBox::StandardButtons ToQt(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
        default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::Warning: return QMessageBox::Warning;
        case MsgIcon::Error: return QMessageBox::Critical;
        default: return QMessageBox::NoIcon;
    }
}

MsgButton FromQt(int button) {
    for (MsgButton b :
         {MsgButton::Ok, MsgButton::Cancel, MsgButton::Yes, MsgButton::No, MsgButton::Abort, MsgButton::Retry}) {
        if (ToQt(b) == button) return b;
    }
    return MsgButton::None;
}

}  // namespace

MsgButton QtPrompter::message(const MessageRequest& request) {
    QString text = request.text;
    text.replace(u'\r', u'\n');
    QMessageBox box(ToQt(request.icon), request.title, text, ToQt(request.buttons), parent_);
    if (request.defaultButton != MsgButton::None) box.setDefaultButton(ToQt(request.defaultButton));
    return FromQt(box.exec());
}

std::optional<FileDialogAnswer> QtPrompter::runFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, request.title, request.directory);
    const QStringList filters = QtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.mustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FileDialogAnswer{dialog.selectedFiles().constFirst(),
                            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

std::optional<FileDialogAnswer> QtPrompter::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

std::optional<FileDialogAnswer> QtPrompter::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

std::optional<QString> QtPrompter::askStartId(const QString& proposal, int language) {
    TfmIDDlg dialog(
        language, [this](const QPoint& p) { movePointer(p); }, parent_);
    dialog.SetStartId(proposal);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.StartId();
}

std::optional<int> QtPrompter::askOutputKind(int resKind, int language) {
    TfmResDlg dialog(
        language, resKind, [this](const QPoint& p) { movePointer(p); }, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenKind();
}

bool QtPrompter::showReadme(const ReadmeRequest& request) {
    TfmReadme dialog(
        request, [this](const QPoint& p) { movePointer(p); }, parent_);
    dialog.exec();
    return dialog.ShowOnStart();
}

OptionsOutcome QtPrompter::showOptions(const OptionsState& state) {
    TfmOptDlg dialog(
        state, [this](const QPoint& p) { movePointer(p); },
        [this](const QString& text, const QString& title) {
            beep(BeepKind::Default);
            return message({text, title, MsgButtons::YesNo, MsgIcon::Warning, MsgButton::No}) == MsgButton::Yes;
        },
        parent_);
    dialog.SetFolderChooser([&dialog](const QString& start, const QString& title) {
        return QFileDialog::getExistingDirectory(&dialog, title, start);
    });
    dialog.SetNotice([this](const QString& text, const QString& title) {
        message({text, title, MsgButtons::Ok, MsgIcon::Warning, MsgButton::Ok});
    });
    dialog.exec();
    return dialog.Outcome();
}

void QtPrompter::beep(BeepKind) { QApplication::beep(); }

void QtPrompter::movePointer(const QPoint& globalPosition) { QCursor::setPos(globalPosition); }

}  // namespace restallow
