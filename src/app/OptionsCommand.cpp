// Opening the options and applying them.
#include "app/OptionsCommand.h"

#include <QApplication>

#include "app/TfmTallow.h"
#include "fileaccess/FileError.h"
#include "shell/AppIcon.h"
#include "shell/Shortcuts.h"
#include "shell/Uninstall.h"
#include "widgets/FileEdit.h"
#include "widgets/MegaPanel.h"
#include "widgets/ReportListView.h"

namespace restallow {

void OptionsCommand::Run() {
    TfmTallow& w = window_;
    const AppSettings& s = w.settings_;
    const OptionsOutcome outcome =
        w.prompter_.showOptions({s.list.Language, s.Outfit, s.Hints == 1, s.Queries == 1, w.ScreenDepth() > 8,
                                 PackagedBuild(), s.IncludeDirs, s.Defines});
    if (outcome.result == OptionsOutcome::Uninstall) return Uninstall();
    if (outcome.result == OptionsOutcome::Ok) Apply(outcome);
}

void OptionsCommand::Apply(const OptionsOutcome& outcome) {
    TfmTallow& w = window_;
    AppSettings& settings = w.settings_;
    settings.Hints = outcome.noHints ? 1 : 0;
    w.ApplyHints();
    settings.Queries = outcome.noQuery ? 1 : 0;
    settings.IncludeDirs = outcome.includeDirs;
    settings.Defines = outcome.defines;
    if (outcome.background != settings.Outfit) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        w.ApplyBackground(outcome.background);
        QApplication::restoreOverrideCursor();
    }
    const QString program = QCoreApplication::applicationFilePath();
    try {
        const QString icon = AppIconFile(QCoreApplication::applicationDirPath(), ProgramDataFolder());
        // Only a box the user changed makes or removes its shortcut.
        CreateOrRemoveShortcuts(outcome.links, {program, icon, QStringLiteral("Resource Tallowin+ 1.0"), QString()},
                                outcome.linksChanged);
    } catch (const FileError& error) {
        return w.ShowError(QString::fromStdString(error.what()));  // the later steps are skipped
    }
    MainLayout& ui = w.ui_;
    ui.script->hide();
    if (outcome.language != settings.list.Language) {
        w.ApplyLanguage(outcome.language);
        w.preview_->Relabel(outcome.language);
    }
    w.files_->ShowFileInfo(ui.memo1, ui.filename1);
    w.files_->ShowFileInfo(ui.memo2, ui.filename2);
    ui.outer->update();
    ui.script->show();
    if (!w.isVisible()) w.show();
}

void OptionsCommand::Uninstall() {
    TfmTallow& w = window_;
    w.store_.setEnabled(false);
    w.settingsWritten_ = true;
    const UninstallResult result =
        restallow::Uninstall({QCoreApplication::applicationDirPath(), w.store_.location(), PackagedBuild()});
    if (result.done) w.prompter_.beep(BeepKind::Default);
    if (result.refusal) w.ShowError(RefusalMessage(*result.refusal, result.listPath, w.settings_.list.Language));
    w.uninstalled_ = true;
    w.close();
    QCoreApplication::exit(0);
}

}  // namespace restallow
