// The options dialog.
#include "shell/TfmOptDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "languages/DialogStrings.h"
#include "languages/UninstallStrings.h"
#include "widgets/LabelArea.h"
#include "widgets/MegaPanel.h"
#include "widgets/UiText.h"
#include "widgets/WindowFont.h"

namespace restallow {
namespace {

const char* const kLinkNames[3] = {"cbDesktop", "cbStartmenu", "cbStartup"};

// A group whose buttons draw their labels from their hints, with label areas over the labels.
template <typename Button>
std::array<Button*, 3> Buttons(QGroupBox* group, MegaPanel* labels, const std::array<const char*, 3>& hints) {
    std::array<Button*, 3> buttons{};
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new Button(labels);
        buttons[i]->setGeometry(12, 39 + 29 * i - 16, 16, 16);
        MegaPanel::SetHint(buttons[i], QString::fromUtf8(hints[i]));
        auto* area = new LabelArea(labels);
        area->setGeometry(25, 33 + 29 * i - 16, 60, 25);
        QObject::connect(area, &LabelArea::released, buttons[i], [button = buttons[i]] {
            button->setFocus();
            if constexpr (std::is_same_v<Button, QRadioButton>)
                button->click();
            else
                button->toggle();
        });
    }
    (void)group;
    return buttons;
}

QGroupBox* Group(QWidget* parent, int x, int width, MegaPanel** labels) {
    auto* group = new QGroupBox(parent);
    group->setGeometry(x, 75, width, 126);
    *labels = new MegaPanel(group);
    (*labels)->setGeometry(2, 16, width - 4, 108);
    (*labels)->setAutoFillBackground(false);
    (*labels)->setColor(Qt::transparent);
    (*labels)->setLabelSide(MegaPanel::LabelSide::Right, width - 36);
    return group;
}

}  // namespace

TfmOptDlg::TfmOptDlg(const OptionsState& state, PointerMover movePointer, UninstallQuestion ask, QWidget* parent)
    : QDialog(parent),
      store_(QStringLiteral("Options")),
      pointer_(std::move(movePointer)),
      ask_(std::move(ask)),
      packaged_(state.packaged) {
    setFixedSize(376, 410);
    setFont(WindowFont());  // the sizes below are laid out for the window's font
    panel_ = new MegaPanel(this);
    panel_->setGeometry(0, 0, 376, 410);
    // Up to the Uninstall button: "Keine Abfrage vor Beendigung" takes more than 150 in the window's font.
    panel_->setLabelSide(MegaPanel::LabelSide::Right, 190);

    BuildTopRow();
    BuildGroups();
    compiler = new CompilerBox(panel_);
    compiler->setGeometry(15, 207, 346, 160);
    compiler->setValues(state.includeDirs, state.defines);

    okButton = new QPushButton(QStringLiteral("&OK"), panel_);
    okButton->setGeometry(143, 375, 81, 25);
    okButton->setDefault(true);
    cancelButton = new QPushButton(panel_);
    cancelButton->setGeometry(263, 375, 81, 25);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &TfmOptDlg::reject);

    pointer_.setButton(okButton);

    const int language = state.language >= 1 && state.language <= 3 ? state.language : 1;
    languages[language - 1]->setChecked(true);
    ApplyDialogTable(language);
    const int background = state.background >= 4 && state.background <= 6 ? state.background : 6;
    backgrounds[background - 4]->setChecked(true);
    background_ = background;
    cbHints->setChecked(state.noHints);
    cbQuery->setChecked(state.noQuery);
    backgroundGroup->setEnabled(state.backgroundEnabled);
}

// The two check boxes with the label areas over their labels, and the Uninstall button.
void TfmOptDlg::BuildTopRow() {
    cbQuery = new QCheckBox(panel_);
    cbQuery->setGeometry(27, 17, 16, 16);
    cbHints = new QCheckBox(panel_);
    cbHints->setGeometry(27, 50, 16, 16);
    const std::array<std::pair<QCheckBox*, QRect>, 2> areas = {
        {{cbQuery, QRect(40, 12, 146, 30)}, {cbHints, QRect(40, 45, 66, 25)}}};
    for (const auto& [box, rect] : areas) {
        auto* area = new LabelArea(panel_);
        area->setGeometry(rect);
        connect(area, &LabelArea::released, box, [box = box] {
            box->setFocus();
            box->toggle();
        });
    }
    uninstallButton = new QPushButton(panel_);
    uninstallButton->setGeometry(250, 13, 106, 25);
    uninstallButton->setFocusPolicy(Qt::ClickFocus);
    connect(uninstallButton, &QPushButton::clicked, this, &TfmOptDlg::UninstallClick);
}

// The language, background and link groups with their buttons.
void TfmOptDlg::BuildGroups() {
    MegaPanel* labels[3];
    groups_[0] = Group(panel_, 15, 106, &labels[0]);
    groups_[1] = Group(panel_, 130, 106, &labels[1]);
    groups_[2] = Group(panel_, 245, 116, &labels[2]);
    backgroundGroup = groups_[1];
    languages = Buttons<QRadioButton>(groups_[0], labels[0], {"|English|", "|Français|", "|Deutsch|"});
    backgrounds = Buttons<QRadioButton>(groups_[1], labels[1], {"|Gradient|", "|Marbled|", "|BtnFace|"});
    links = Buttons<QCheckBox>(groups_[2], labels[2], {"", "", ""});
    links[0]->setChecked(true);
    links[1]->setChecked(true);
    for (int i = 0; i < 3; ++i) {
        connect(languages[i], &QRadioButton::clicked, this, [this, i] {
            ApplyDialogTable(i + 1);
            pointer_.Later();
        });
        connect(backgrounds[i], &QRadioButton::clicked, this, [this, i] {
            background_ = i + 4;
            pointer_.Later();
        });
    }
}

void TfmOptDlg::ApplyDialogTable(int language) {
    language_ = language;
    const OptionsDialogTable& text = OptionsDialogStrings(language);
    const auto str = [&text](int row) { return QString::fromUtf8(text[row]); };
    setWindowTitle(str(OptCaption));
    groups_[0]->setTitle(str(OptLanguageGroup));
    groups_[2]->setTitle(str(OptLinksGroup));
    groups_[1]->setTitle(str(OptBackgroundGroup));
    for (int i = 0; i < 3; ++i) MegaPanel::SetHint(links[i], str(OptDesktop + i));
    cancelButton->setText(str(OptCancel));
    MegaPanel::SetHint(cbQuery, str(OptNoQuery1) + u'\r' + str(OptNoQuery2));
    MegaPanel::SetHint(cbHints, str(OptNoHints));
    uninstallButton->setText(str(OptUninstall));
    if (compiler) compiler->ApplyTexts(language);
    uninstallButton->setToolTip(packaged_ ? QString::fromUtf8(UninstallStrings(language)[UnPackaged]) : QString());
    panel_->update();
}

void TfmOptDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (int i = 0; i < 3; ++i) {
        bool checked = links[i]->isChecked();
        store_.readBool(QString::fromLatin1(kLinkNames[i]) + QStringLiteral("_Checked"), checked);
        links[i]->setChecked(checked);
        shownLinks_[i] = checked;
    }
    pointer_.Later();
}

// Cancel, Escape and the close box all end here: the stored shortcut boxes stay as they were.
void TfmOptDlg::reject() {
    store_.setEnabled(false);
    QDialog::reject();
}

// OK with a line that is no define keeps the dialog open and says which line it is.
void TfmOptDlg::done(int result) {
    if (result == QDialog::Accepted && !compiler->firstBadDefine().isEmpty()) {
        if (notice_)
            notice_(MsgText(language_, MsgDefineRefused) + u'\r' + compiler->firstBadDefine(),
                    QString::fromUtf8(OptionsDialogStrings(language_)[OptCaption]));
        compiler->defineLines->setFocus();
        return;
    }
    // A settings file too large to read is replaced only when a box was changed.
    const std::array<bool, 3> changed = Outcome().linksChanged;
    if (store_.oversized() && std::find(changed.begin(), changed.end(), true) != changed.end()) store_.TakeOver();
    for (int i = 0; i < 3; ++i)
        store_.writeBool(QString::fromLatin1(kLinkNames[i]) + QStringLiteral("_Checked"), links[i]->isChecked());
    store_.sync();
    QDialog::done(result);
}

void TfmOptDlg::UninstallClick() {
    const OptionsDialogTable& text = OptionsDialogStrings(language_);
    // A packaged build removes only the settings and shortcuts and says who removes the rest.
    const char* removal = packaged_ ? UninstallStrings(language_)[UnPackaged] : text[OptUninstallQuestion2];
    const QString question = QString::fromUtf8(text[OptUninstallQuestion1]) + QStringLiteral("\r\r") +
                             QString::fromUtf8(removal) + QStringLiteral("\r\r") +
                             QString::fromUtf8(text[OptUninstallQuestion3]);
    if (!ask_ || !ask_(question, QString::fromUtf8(text[OptUninstallCaption]))) return;
    uninstall_ = true;
    store_.setEnabled(false);
    reject();
}

OptionsOutcome TfmOptDlg::Outcome() const {
    OptionsOutcome out;
    out.result = uninstall_                      ? OptionsOutcome::Uninstall
                 : result() == QDialog::Accepted ? OptionsOutcome::Ok
                                                 : OptionsOutcome::Cancel;
    out.language = language_;
    out.background = background_;
    out.noHints = cbHints->isChecked();
    out.noQuery = cbQuery->isChecked();
    for (int i = 0; i < 3; ++i) {
        out.links[i] = links[i]->isChecked();
        out.linksChanged[i] = out.links[i] != shownLinks_[i];
    }
    out.includeDirs = compiler->includeDirs();
    out.defines = compiler->defines();
    return out;
}

}  // namespace restallow
