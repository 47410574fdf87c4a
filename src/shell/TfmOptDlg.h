// TfmOptDlg: language, tooltips, close question, background, shortcuts, and Uninstall.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "widgets/OkPointer.h"

#include "platform/Prompter.h"
#include "shell/CompilerBox.h"
#include "shell/SettingsStore.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace restallow {

class MegaPanel;

class TfmOptDlg : public QDialog {
    Q_OBJECT

public:
    using PointerMover = OkPointer::Mover;
    // The Uninstall question; true when the user confirms.
    using UninstallQuestion = std::function<bool(const QString& text, const QString& title)>;
    // A message with OK only (a define that is none).
    using Notice = std::function<void(const QString& text, const QString& title)>;

    TfmOptDlg(const OptionsState& state, PointerMover movePointer, UninstallQuestion ask, QWidget* parent = nullptr);

    OptionsOutcome Outcome() const;
    void ApplyDialogTable(int language);
    void SetFolderChooser(CompilerBox::FolderChooser chooser) { compiler->setChooser(std::move(chooser)); }
    void SetNotice(Notice notice) { notice_ = std::move(notice); }
    bool uninstallRequested() const { return uninstall_; }

    std::array<QRadioButton*, 3> languages{};
    std::array<QRadioButton*, 3> backgrounds{};
    std::array<QCheckBox*, 3> links{};  // desktop, start menu, autostart
    QCheckBox* cbQuery = nullptr;
    QCheckBox* cbHints = nullptr;
    QPushButton* uninstallButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QGroupBox* backgroundGroup = nullptr;
    CompilerBox* compiler = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void reject() override;

private:
    void BuildTopRow();
    void BuildGroups();
    void UninstallClick();

    MegaPanel* panel_;
    std::array<QGroupBox*, 3> groups_{};
    SettingsStore store_;  // FStor: the three shortcut boxes
    OkPointer pointer_;
    UninstallQuestion ask_;
    Notice notice_;
    std::array<bool, 3> shownLinks_{true, true, false};  // the boxes as the dialog showed them
    int language_ = 1;
    int background_ = 6;
    bool uninstall_ = false;
    bool packaged_ = false;
};

}  // namespace restallow
